; Small PIC16F84A program: a loop that toggles PORTB, with EEPROM data.
        list    p=16f84a
        #include <p16f84a.inc>
        __config _HS_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF

        org     0x0000
        goto    start
        org     0x0004
        retfie
start:  bsf     STATUS, RP0
        clrf    TRISB
        bcf     STATUS, RP0
loop:   movlw   0xFF
        xorwf   PORTB, f
        goto    loop

        org     0x2100
        de      0x12, 0x34, "OK"
        end
