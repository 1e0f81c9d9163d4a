; PIC16F876A program with configuration word, ID locations and EEPROM data, and code
; placed near the top of program memory.
        list    p=16f876a
        #include <p16f876a.inc>
        __config _HS_OSC & _WDT_OFF & _PWRTE_ON & _BOREN_ON & _LVP_OFF & _CPD_OFF & _CP_OFF
        __idlocs 0x1234

        org     0x0000
        pagesel main
        goto    main
        org     0x0004
        retfie
main:   banksel TRISB
        clrf    TRISB
        banksel PORTB
        movlw   0x55
        movwf   PORTB
        goto    $

        org     0x1FF0
table:  retlw   0x01
        retlw   0x02
        retlw   0x03
        retlw   0xFE

        org     0x2100
        de      "Pravik", 0x00, 0xA5
        org     0x21FE
        de      0x5A, 0xC3
        end
