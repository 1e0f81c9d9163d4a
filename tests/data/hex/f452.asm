; PIC18F452 program with configuration bytes, ID locations, EEPROM data and code in
; several 64 KiB pages of the HEX address space.
        list    p=18f452
        #include <p18f452.inc>
        config  OSC=HS, PWRT=ON, BOR=ON, WDT=OFF, LVP=OFF, DEBUG=OFF

        org     0x0000
        goto    main
        org     0x0008
        retfie
main:   clrf    TRISB
        movlw   0xA5
        movwf   LATB
        bra     main

        org     0x7FF0
        db      0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08

        org     0x200000
        db      0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08

        org     0xF00000
        de      0x11, 0x22, 0x33
        end
