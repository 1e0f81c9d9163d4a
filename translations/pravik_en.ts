<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>AdapterSession</name>
    <message>
        <source>no hay chip simulado para %1</source>
        <translation>no simulated chip for %1</translation>
    </message>
    <message>
        <source>fichero de chip %1: %2</source>
        <translation>chip file %1: %2</translation>
    </message>
</context>
<context>
    <name>ChipCommands</name>
    <message>
        <source>%1: no se ha completado</source>
        <translation>%1: not completed</translation>
    </message>
    <message>
        <source>--osccal y --bg solo sirven para los dispositivos que guardan su calibración en 03FFh (PIC12F629/675, PIC16F630/676)</source>
        <translation>--osccal and --bg only apply to devices that keep their calibration at 03FFh (PIC12F629/675, PIC16F630/676)</translation>
    </message>
    <message>
        <source>%1 (revisión %2)</source>
        <translation>%1 (revision %2)</translation>
    </message>
    <message>
        <source>ningún dispositivo del fichero tiene el ID %1 (los OTP no tienen ID: indique --device)</source>
        <translation>no device of the file has the ID %1 (OTP parts have no ID: give --device)</translation>
    </message>
    <message>
        <source>varios dispositivos del fichero tienen el ID %1: %2; indique --device</source>
        <translation>several devices of the file have the ID %1: %2; give --device</translation>
    </message>
    <message>
        <source>detectado %1 (ID=%2)</source>
        <translation>detected %1 (ID=%2)</translation>
    </message>
    <message>
        <source>--chip y --empty-socket necesitan el adaptador simulator (o gpio con gpiochip=simulator)</source>
        <translation>--chip and --empty-socket need the simulator adapter (or gpio with gpiochip=simulator)</translation>
    </message>
    <message>
        <source>con el simulador hay que decir qué chip está en el zócalo: indique --device, o --chip con un fichero de chip ya escrito</source>
        <translation>with the simulator, say which chip is in the socket: give --device, or --chip with a chip file already written</translation>
    </message>
</context>
<context>
    <name>ChipFileLock</name>
    <message>
        <source>fichero de chip %1: no se puede crear %2: %3</source>
        <translation>chip file %1: cannot create %2: %3</translation>
    </message>
    <message>
        <source>el fichero de chip %1 está en uso por otra orden de pravik-cli: esperando a que termine</source>
        <translation>the chip file %1 is in use by another pravik-cli command: waiting for it to finish</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>la opción %1 necesita un valor</source>
        <translation>the option %1 needs a value</translation>
    </message>
    <message>
        <source>la opción %1 no admite valor</source>
        <translation>the option %1 takes no value</translation>
    </message>
    <message>
        <source>opción desconocida %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>opción desconocida -%1</source>
        <translation>unknown option -%1</translation>
    </message>
    <message>
        <source>valor vacío en una opción</source>
        <translation>empty value in an option</translation>
    </message>
    <message>
        <source>adaptador desconocido &apos;%1&apos; (parport, gpio o simulator)</source>
        <translation>unknown adapter &apos;%1&apos; (parport, gpio or simulator)</translation>
    </message>
    <message>
        <source>idioma desconocido &apos;%1&apos; (es o en)</source>
        <translation>unknown language &apos;%1&apos; (es or en)</translation>
    </message>
    <message>
        <source>identificador &apos;%1&apos;: de 1 a 16 dígitos hexadecimales</source>
        <translation>identifier &apos;%1&apos;: 1 to 16 hexadecimal digits</translation>
    </message>
    <message>
        <source>OSCCAL &apos;%1&apos;: una instrucción RETLW, de 3400 a 37FF</source>
        <translation>OSCCAL &apos;%1&apos;: a RETLW instruction, 3400 to 37FF</translation>
    </message>
    <message>
        <source>bits BG &apos;%1&apos;: de 0 a 3</source>
        <translation>BG bits &apos;%1&apos;: 0 to 3</translation>
    </message>
    <message>
        <source>falta la orden</source>
        <translation>the command is missing</translation>
    </message>
    <message>
        <source>%1 necesita %2</source>
        <translation>%1 needs %2</translation>
    </message>
    <message>
        <source>demasiados argumentos para %1</source>
        <translation>too many arguments for %1</translation>
    </message>
    <message>
        <source>orden desconocida &apos;%1&apos;</source>
        <translation>unknown command &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Uso: pravik-cli [opciones] ORDEN [FICHERO...]
  -d, --device NOMBRE   sección de dispositivo del fichero, o auto: la elige el ID del
                        chip (por defecto auto en detect, read, write y verify; en las
                        demás órdenes, el último usado en la ventana)
      --ini RUTA        fichero de dispositivos (por defecto: $PRAVIK_INI, o el primero que
                        exista de Pravik.ini junto al programa, ~/.config/pravik/Pravik.ini
                        y &lt;prefijo&gt;/share/pravik/Pravik.ini)
      --adapter TIPO    parport | gpio | simulator (por defecto: &quot;adapter&quot; de [Config], o
                        parport); gpio usa el chip GPIO y las líneas de [Config]
      --chip FICHERO    con el simulador (o gpio con gpiochip=simulator): carga el chip
                        simulado de FICHERO si existe y lo guarda al terminar (Intel HEX del
                        chip entero); una sola orden a la vez por fichero
  -p, --program  -e, --eeprom  -c, --config  -i, --id
                        alcance (por defecto: solo la memoria de programa)
      --ident HEX       identificador en lugar del que trae el fichero (familia 16: 4
                        dígitos; familia 18: 16, los ocho bytes de 200000h)
      --empty-socket    con el simulador (o gpio con gpiochip=simulator): zócalo vacío
                        (ningún chip responde)
      --osccal HEX      PIC12F629/675, PIC16F630/676: OSCCAL (RETLW, 3400-37FF) que se
                        escribe en 03FFh en lugar del del chip, para un chip que lo perdió
      --bg N            los bits BG1:BG0 (0-3) de esos chips, en lugar de los del chip
  -y, --yes             responde Sí a las confirmaciones de borrado (sin ella, se niegan)
      --force           sigue aunque el ID del chip no sea el del dispositivo elegido, o
                        aunque el adaptador dé más VPP de la que admite el dispositivo
      --ignore          responde Ignorar a los avisos del lector HEX (por defecto: Abortar)
  -q, --quiet           sin línea de progreso
      --lang IDIOMA     es | en: el idioma de los mensajes y de esta ayuda (por defecto:
                        $PRAVIK_LANG, o el elegido en el menú Idioma de la ventana, o es)
  -h, --help            este texto
      --version         versión del programa
Órdenes:
  devices               nombres de los dispositivos, uno por línea, en el orden del fichero
  info                  ficha del dispositivo elegido, una línea Clave=valor
  detect                lee el ID del chip (con el protocolo de la familia del dispositivo
                        elegido, o sin él con el de la familia 16 y después el de la 18) y
                        nombra los dispositivos del fichero que lo tienen
  convert IN OUT        carga IN y lo guarda como OUT (&quot;-&quot;: entrada o salida estándar)
  read OUT              lee el chip y lo guarda como OUT
  write IN              carga IN y lo escribe en el chip
  verify IN             carga IN y verifica el chip contra él
  blank                 comprobación de borrado
  erase                 borra la memoria de programa
  unprotect             quita la protección (borra el chip entero)
Estado de salida: 0 completada, 1 falló una operación o un fichero, 2 error de uso.
</source>
        <translation>Usage: pravik-cli [options] COMMAND [FILE...]
  -d, --device NAME     device section of the file, or auto: the chip&apos;s ID chooses it
                        (default auto in detect, read, write and verify; in the other
                        commands, the last one used in the window)
      --ini PATH        device file (default: $PRAVIK_INI, or the first that exists of
                        Pravik.ini beside the program, ~/.config/pravik/Pravik.ini and
                        &lt;prefix&gt;/share/pravik/Pravik.ini)
      --adapter KIND    parport | gpio | simulator (default: &quot;adapter&quot; of [Config], or
                        parport); gpio uses the GPIO chip and lines of [Config]
      --chip FILE       with the simulator (or gpio with gpiochip=simulator): loads the
                        simulated chip from FILE if it exists and saves it at the end (Intel
                        HEX of the whole chip); one command at a time per file
  -p, --program  -e, --eeprom  -c, --config  -i, --id
                        scope (default: program memory only)
      --ident HEX       identifier instead of the one the file brings (family 16: 4
                        digits; family 18: 16, the eight bytes at 200000h)
      --empty-socket    with the simulator (or gpio with gpiochip=simulator): empty socket
                        (no chip answers)
      --osccal HEX      PIC12F629/675, PIC16F630/676: OSCCAL (RETLW, 3400-37FF) written
                        at 03FFh instead of the chip&apos;s, for a chip that lost it
      --bg N            the BG1:BG0 bits (0-3) of those chips, instead of the chip&apos;s
  -y, --yes             answers Yes to the erase confirmations (without it, they are refused)
      --force           goes on even if the chip&apos;s ID is not the chosen device&apos;s, or
                        if the adapter gives more VPP than the device takes
      --ignore          answers Ignore to the HEX reader&apos;s warnings (default: Abort)
  -q, --quiet           no progress line
      --lang LANGUAGE   es | en: the language of the messages and of this help (default:
                        $PRAVIK_LANG, or the one chosen in the window&apos;s Language menu, or es)
  -h, --help            this text
      --version         version of the program
Commands:
  devices               names of the devices, one per line, in the order of the file
  info                  record of the chosen device, one Key=value line each
  detect                reads the chip&apos;s ID (with the protocol of the chosen device&apos;s
                        family, or without one with family 16&apos;s and then family 18&apos;s) and
                        names the devices of the file that have it
  convert IN OUT        loads IN and saves it as OUT (&quot;-&quot;: standard input or output)
  read OUT              reads the chip and saves it as OUT
  write IN              loads IN and writes it to the chip
  verify IN             loads IN and verifies the chip against it
  blank                 blank check
  erase                 erases program memory
  unprotect             removes the protection (erases the whole chip)
Exit status: 0 completed, 1 an operation or a file failed, 2 usage error.
</translation>
    </message>
</context>
<context>
    <name>RunCli</name>
    <message>
        <source>ningún dispositivo elegido: indique --device NOMBRE (véase la orden devices)</source>
        <translation>no device chosen: give --device NAME (see the devices command)</translation>
    </message>
    <message>
        <source>Dispositivo desconocido: %1</source>
        <translation>Unknown device: %1</translation>
    </message>
    <message>
        <source>Fichero de configuración %1 no encontrado. Vuelva a copiar este fichero o instale de nuevo el programa.</source>
        <translation>Configuration file %1 not found. Copy this file again or reinstall the program.</translation>
    </message>
    <message>
        <source>-d auto solo sirve con las órdenes que usan el chip</source>
        <translation>-d auto only applies to the commands that use the chip</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Sobre Pravik</source>
        <translation>About Pravik</translation>
    </message>
    <message>
        <source>Programador de PIC</source>
        <translation>PIC programmer</translation>
    </message>
    <message>
        <source>ICSP en puerto paralelo</source>
        <translation>ICSP on the parallel port</translation>
    </message>
    <message>
        <source>versión %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>PIC16 y PIC18</source>
        <translation>PIC16 and PIC18</translation>
    </message>
</context>
<context>
    <name>TLumbroForm</name>
    <message>
        <source>OSCCAL (instrucción RETLW, de 3400 a 37FF) y bits BG (0 a 3) que se escribirán en el %1 al borrarlo o escribirlo, en lugar de los que tenga el chip (por ejemplo «3480 2»). Vacío: los del chip.</source>
        <translation>OSCCAL (RETLW instruction, 3400 to 37FF) and BG bits (0 to 3) to write to the %1 when it is erased or written, instead of the chip&apos;s own (for example &quot;3480 2&quot;). Empty: the chip&apos;s own.</translation>
    </message>
    <message>
        <source>Calibración no válida: «%1». Escriba OSCCAL en hexadecimal (de 3400 a 37FF) y, si quiere, los bits BG (0 a 3) separados por un espacio.</source>
        <translation>Invalid calibration: &quot;%1&quot;. Write OSCCAL in hexadecimal (3400 to 37FF) and, if you like, the BG bits (0 to 3) separated by a space.</translation>
    </message>
    <message>
        <source>Fichero de chip %1: %2</source>
        <translation>Chip file %1: %2</translation>
    </message>
    <message>
        <source>Archivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Abrir HEX</source>
        <translation>Open HEX</translation>
    </message>
    <message>
        <source>Guardar como</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Dispositivo</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Acción</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Verificar PIC</source>
        <translation>Verify PIC</translation>
    </message>
    <message>
        <source>Escribir PIC</source>
        <translation>Write PIC</translation>
    </message>
    <message>
        <source>Leer PIC</source>
        <translation>Read PIC</translation>
    </message>
    <message>
        <source>Desproteger PIC</source>
        <translation>Unprotect PIC</translation>
    </message>
    <message>
        <source>Configurar PIC</source>
        <translation>Configure PIC</translation>
    </message>
    <message>
        <source>Borrar Programa</source>
        <translation>Erase Program</translation>
    </message>
    <message>
        <source>Calibración del oscilador...</source>
        <translation>Oscillator calibration...</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Sobre Lumbro</source>
        <translation>About Lumbro</translation>
    </message>
    <message>
        <source>Fichero de configuración %1 no encontrado. Vuelva a copiar este fichero o instale de nuevo el programa.</source>
        <translation>Configuration file %1 not found. Copy this file again or reinstall the program.</translation>
    </message>
    <message>
        <source>Reabre Hex</source>
        <translation>Reopen Hex</translation>
    </message>
    <message>
        <source>Escribir</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Leer</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>PIC</source>
        <translation>PIC</translation>
    </message>
    <message>
        <source>Identificador</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Alcance de las operaciones</source>
        <translation>Scope of the operations</translation>
    </message>
    <message>
        <source>Memoria de Programa</source>
        <translation>Program Memory</translation>
    </message>
    <message>
        <source>Memoria (EEPROM)</source>
        <translation>Memory (EEPROM)</translation>
    </message>
    <message>
        <source>Palabra de Configuración</source>
        <translation>Configuration Word</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Pravik hablará el idioma elegido la próxima vez que se inicie.</source>
        <translation>Pravik will speak the chosen language the next time it starts.</translation>
    </message>
    <message>
        <source>Abre fichero HEX</source>
        <translation>Open HEX file</translation>
    </message>
    <message>
        <source>Todos los ficheros (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source> [simulador]</source>
        <translation> [simulator]</translation>
    </message>
</context>
<context>
    <name>TPalConfForm</name>
    <message>
        <source>Palabra de Configuración, familia 16</source>
        <translation>Configuration Word, family 16</translation>
    </message>
    <message>
        <source>Palabra de Configuración</source>
        <translation>Configuration Word</translation>
    </message>
    <message>
        <source>Oscilador</source>
        <translation>Oscillator</translation>
    </message>
    <message>
        <source>Palabra de Configuración:</source>
        <translation>Configuration Word:</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Palabra recomendada</source>
        <translation>Recommended word</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>_PWRTE: Power-On Timer Enable (Nivel Bajo)</source>
        <translation>_PWRTE: Power-On Timer Enable (Active Low)</translation>
    </message>
    <message>
        <source>- No  Implementado</source>
        <translation>- Not  Implemented</translation>
    </message>
    <message>
        <source>Palabra 2 (2008h)</source>
        <translation>Word 2 (2008h)</translation>
    </message>
</context>
<context>
    <name>TPalConfForm18</name>
    <message>
        <source>Palabra de Configuración, familia 18</source>
        <translation>Configuration Word, family 18</translation>
    </message>
    <message>
        <source>Recomendado</source>
        <translation>Recommended</translation>
    </message>
    <message>
        <source>Recomendados</source>
        <translation>Recommended</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TProcesaForm</name>
    <message>
        <source>Procesando Micro</source>
        <translation>Processing Micro</translation>
    </message>
    <message>
        <source>Accion</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Progreso:</source>
        <translation>Progress:</translation>
    </message>
    <message>
        <source>Final Programa:</source>
        <translation>Program End:</translation>
    </message>
    <message>
        <source>Final EEPROM:</source>
        <translation>EEPROM End:</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TerminalHost</name>
    <message>
        <source>respuesta: Sí (--force)</source>
        <translation>answer: Yes (--force)</translation>
    </message>
    <message>
        <source>respuesta: No (--force responde Sí)</source>
        <translation>answer: No (--force answers Yes)</translation>
    </message>
    <message>
        <source>«pravik-cli --yes unprotect»</source>
        <translation>&quot;pravik-cli --yes unprotect&quot;</translation>
    </message>
</context>
<context>
    <name>TerminalMessages</name>
    <message>
        <source>respuesta: Abortar (--ignore responde Ignorar)</source>
        <translation>answer: Abort (--ignore answers Ignore)</translation>
    </message>
    <message>
        <source>respuesta: No (--yes responde Sí)</source>
        <translation>answer: No (--yes answers Yes)</translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>la opción %1 necesita un valor</source>
        <translation>the option %1 needs a value</translation>
    </message>
    <message>
        <source>adaptador desconocido &apos;%1&apos; (parport, gpio o simulator)</source>
        <translation>unknown adapter &apos;%1&apos; (parport, gpio or simulator)</translation>
    </message>
    <message>
        <source>idioma desconocido &apos;%1&apos; (es o en)</source>
        <translation>unknown language &apos;%1&apos; (es or en)</translation>
    </message>
    <message>
        <source>opción desconocida %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>--chip necesita --adapter simulator (o gpio con gpiochip=simulator)</source>
        <translation>--chip needs --adapter simulator (or gpio with gpiochip=simulator)</translation>
    </message>
    <message>
        <source>Uso: pravik [opciones]
      --adapter TIPO    parport | gpio | simulator (por defecto: &quot;adapter&quot; de [Config]
                        del fichero de dispositivos, o parport); simulator programa chips
                        simulados, para probar el programa sin programador
      --chip FICHERO    con el simulador (o gpio con gpiochip=simulator): el chip del zócalo es el de FICHERO (se crea si
                        no existe) y se guarda en él después de cada orden
      --lang IDIOMA     es | en: el idioma del programa (por defecto: PRAVIK_LANG, o
                        el elegido en el menú Idioma, o es)
  -h, --help            este texto
      --version         versión del programa
</source>
        <translation>Usage: pravik [options]
      --adapter KIND    parport | gpio | simulator (default: &quot;adapter&quot; of [Config]
                        of the device file, or parport); simulator programs simulated
                        chips, to try the program without a programmer
      --chip FILE       with the simulator (or gpio with gpiochip=simulator): the chip in the socket is the one of FILE (created if
                        it does not exist) and saved to it after every command
      --lang LANGUAGE   es | en: the language of the program (default: PRAVIK_LANG, or
                        the one chosen in the Language menu, or es)
  -h, --help            this text
      --version         version of the program
</translation>
    </message>
</context>
<context>
    <name>Workbench</name>
    <message>
        <source>No se puede leer el fichero HEX &apos;%1&apos;.</source>
        <translation>Cannot read the HEX file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No se puede leer el fichero HEX &apos;%1&apos;: %2.</source>
        <translation>Cannot read the HEX file &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>No se puede crear el fichero &apos;%1&apos;.</source>
        <translation>Cannot create the file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No se puede crear el fichero &apos;%1&apos;: %2.</source>
        <translation>Cannot create the file &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>identificador &apos;%1&apos;: de 1 a 4 dígitos en la familia 16</source>
        <translation>identifier &apos;%1&apos;: 1 to 4 digits in family 16</translation>
    </message>
</context>
<context>
    <name>common</name>
    <message>
        <source>no existe</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>es un directorio</source>
        <translation>is a directory</translation>
    </message>
    <message>
        <source>una parte de la ruta no es un directorio</source>
        <translation>a part of the path is not a directory</translation>
    </message>
    <message>
        <source>permiso denegado</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>el sistema de ficheros es de solo lectura</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco</source>
        <translation>the disk quota is exhausted</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>está ocupado</source>
        <translation>is busy</translation>
    </message>
    <message>
        <source>el dispositivo no existe</source>
        <translation>the device does not exist</translation>
    </message>
    <message>
        <source>error de entrada/salida</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>ya existe</source>
        <translation>already exists</translation>
    </message>
    <message>
        <source>demasiados enlaces simbólicos</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>demasiados ficheros abiertos</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>error del sistema %1</source>
        <translation>system error %1</translation>
    </message>
</context>
<context>
    <name>devices</name>
    <message>
        <source>La clave Algoritmo=%1 de %2 no nombra ningún algoritmo conocido (%3).</source>
        <translation>The key Algoritmo=%1 of %2 names no known algorithm (%3).</translation>
    </message>
    <message>
        <source>La clave Algoritmo=%1 de %2 nombra un algoritmo de la familia %3, y el dispositivo es de la familia %4.</source>
        <translation>The key Algoritmo=%1 of %2 names an algorithm of family %3, and the device is of family %4.</translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>No se puede leer el fichero HEX.</source>
        <translation>Cannot read the HEX file.</translation>
    </message>
    <message>
        <source>No se puede crear el fichero.</source>
        <translation>Cannot create the file.</translation>
    </message>
    <message>
        <source>Error en los códigos de programa (fuera de rango), dir: %1</source>
        <translation>Error in the program codes (out of range), addr: %1</translation>
    </message>
    <message>
        <source>Error en la palabra de configuración %1 (fuera de rango)</source>
        <translation>Error in configuration word %1 (out of range)</translation>
    </message>
    <message>
        <source>Error en los códigos de datos (fuera de rango), dir: %1</source>
        <translation>Error in the data codes (out of range), addr: %1</translation>
    </message>
    <message>
        <source>Error en la dirección de configuración (fuera de rango), dir: %1</source>
        <translation>Error in the configuration address (out of range), addr: %1</translation>
    </message>
    <message>
        <source>Error en la dirección de EEPROM (fuera de rango), dir: %1</source>
        <translation>Error in the EEPROM address (out of range), addr: %1</translation>
    </message>
    <message>
        <source>la carpeta no existe</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>&apos;%1&apos; no es un valor hexadecimal válido.</source>
        <translation>&apos;%1&apos; is not a valid hexadecimal value.</translation>
    </message>
    <message>
        <source>Checksum error en el fichero HEX. Lectura Interrumpida.</source>
        <translation>Checksum error in the HEX file. Reading interrupted.</translation>
    </message>
    <message>
        <source>Hex File: falta &quot;:&quot; al inicio.</source>
        <translation>Hex File: &quot;:&quot; missing at the start.</translation>
    </message>
    <message>
        <source>Hex File: comando HEX no soportado.</source>
        <translation>Hex File: HEX command not supported.</translation>
    </message>
    <message>
        <source>Hex File: dirección fuera de rango</source>
        <translation>Hex File: address out of range</translation>
    </message>
    <message>
        <source>Hex File: 1 dato fuera de rango no se ha cargado.</source>
        <translation>Hex File: 1 datum out of range was not loaded.</translation>
    </message>
    <message>
        <source>Hex File: %1 datos fuera de rango no se han cargado.</source>
        <translation>Hex File: %1 data out of range were not loaded.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>pravik-cli: %1
Pruebe &apos;pravik-cli --help&apos;.
</source>
        <translation>pravik-cli: %1
Try &apos;pravik-cli --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>operations</name>
    <message>
        <source>Programa</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Error de borrado en %1</source>
        <translation>Erase error at %1</translation>
    </message>
    <message>
        <source>Se borrará todo el contenido del programa. ¿Desea continuar?</source>
        <translation>The whole program contents will be erased. Do you want to continue?</translation>
    </message>
    <message>
        <source>Programa borrado.</source>
        <translation>Program erased.</translation>
    </message>
    <message>
        <source>Esta función solo funciona con dispositivos FLASH</source>
        <translation>This function only works with FLASH devices</translation>
    </message>
    <message>
        <source>Esta acción borrará todo el contenido del PIC. ¿Desea continuar?</source>
        <translation>This action will erase the whole contents of the PIC. Do you want to continue?</translation>
    </message>
    <message>
        <source>PIC desprotegido y borrado completamente.</source>
        <translation>PIC unprotected and completely erased.</translation>
    </message>
    <message>
        <source>«Desproteger PIC»</source>
        <translation>&quot;Unprotect PIC&quot;</translation>
    </message>
    <message>
        <source>Acción interrumpida.</source>
        <translation>Action interrupted.</translation>
    </message>
    <message>
        <source>Operación Completada.</source>
        <translation>Operation Completed.</translation>
    </message>
    <message>
        <source>%1,%2</source>
        <extracomment>Whole and tenths of a voltage: the decimal sign between them.</extracomment>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>No responde ningún PIC (ID leído: %1). Compruebe que el programador está conectado y alimentado y que el PIC está bien colocado en el zócalo.</source>
        <translation>No PIC answers (ID read: %1). Check that the programmer is connected and powered and that the PIC sits properly in the socket.</translation>
    </message>
    <message>
        <source>El dispositivo conectado no parece un %1 (ID %2, revisión %3). ¿Desea continuar?</source>
        <translation>The connected device does not look like a %1 (ID %2, revision %3). Do you want to continue?</translation>
    </message>
    <message>
        <source>El %1 admite como máximo %2 V en MCLR y el adaptador da %3 V. ¿Desea continuar?</source>
        <translation>The %1 takes at most %2 V on MCLR and the adapter gives %3 V. Do you want to continue?</translation>
    </message>
    <message>
        <source>EEPROM</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>Error en los códigos de datos (fuera de rango), dir: %1 fila: %2 col: %3</source>
        <translation>Error in the data codes (out of range), addr: %1 row: %2 col: %3</translation>
    </message>
    <message>
        <source>Error de verificación en dir: %1</source>
        <translation>Verify error at addr: %1</translation>
    </message>
    <message>
        <source>Error en los códigos de programa (fuera de rango), dir: %1 fila: %2 col: %3</source>
        <translation>Error in the program codes (out of range), addr: %1 row: %2 col: %3</translation>
    </message>
    <message>
        <source>Error verificando en %1. Compruebe modo programación y dispositivo.</source>
        <translation>Error verifying at %1. Check programming mode and device.</translation>
    </message>
    <message>
        <source>Escribe: %1   Lee: %2</source>
        <translation>Writes: %1   Reads: %2</translation>
    </message>
    <message>
        <source>CONFIG5 %1</source>
        <translation>CONFIG5 %1</translation>
    </message>
    <message>
        <source>palabra de configuración %1</source>
        <translation>configuration word %1</translation>
    </message>
    <message>
        <source>El PIC tiene la protección de código activada (%1): su memoria de programa se lee como ceros. %2 lo borra entero y quita la protección; después se puede escribir.</source>
        <translation>The PIC has code protection on (%1): its program memory reads as zeros. %2 erases it whole and removes the protection; it can be written after that.</translation>
    </message>
    <message>
        <source>Identificador</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Error de borrado en ID pos %1 %2==%3</source>
        <translation>Erase error at ID pos %1 %2==%3</translation>
    </message>
    <message>
        <source>Error de verificación de ID pos %1 %2==%3</source>
        <translation>Verify error of ID pos %1 %2==%3</translation>
    </message>
    <message>
        <source>Pal_Conf</source>
        <translation>Conf_Word</translation>
    </message>
    <message>
        <source>Error de borrado de la palabra de configuración 2</source>
        <translation>Erase error of configuration word 2</translation>
    </message>
    <message>
        <source>Error de borrado de la palabra de configuración</source>
        <translation>Erase error of the configuration word</translation>
    </message>
    <message>
        <source>Error al verificar palabra de configuración 2.</source>
        <translation>Error verifying configuration word 2.</translation>
    </message>
    <message>
        <source>Error al verificar palabra de configuración.</source>
        <translation>Error verifying the configuration word.</translation>
    </message>
    <message>
        <source>Error de borrado en ID pos %1</source>
        <translation>Erase error at ID pos %1</translation>
    </message>
    <message>
        <source>Error de verificación en el reg %1 de configuración.</source>
        <translation>Verify error in configuration register %1.</translation>
    </message>
    <message>
        <source>Escribiendo %1 mientras verifica....</source>
        <translation>Writing %1 while verifying....</translation>
    </message>
    <message>
        <source>Leyendo %1...</source>
        <translation>Reading %1...</translation>
    </message>
    <message>
        <source>Verificando %1...</source>
        <translation>Verifying %1...</translation>
    </message>
    <message>
        <source>Comprobando Borrado %1...</source>
        <translation>Blank Checking %1...</translation>
    </message>
    <message>
        <source>Leyendo</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Escribiendo</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>Verificando</source>
        <translation>Verifying</translation>
    </message>
    <message>
        <source>Comprobando Borrado</source>
        <translation>Blank Checking</translation>
    </message>
</context>
<context>
    <name>parts</name>
    <message>
        <source>No se especifica el tipo de Flash!!</source>
        <translation>The Flash type is not specified!!</translation>
    </message>
    <message>
        <source>Un %1 configurado con el oscilador interno y MCLR desactivado (FOSC = 100 o 101, MCLRE = 0) solo entra en programación si el adaptador da VPP antes que VDD: véase el README.</source>
        <translation>A %1 configured with the internal oscillator and MCLR disabled (FOSC = 100 or 101, MCLRE = 0) only enters programming if the adapter gives VPP before VDD: see the README.</translation>
    </message>
    <message>
        <source>El OSCCAL del %1 (03FFh) se lee como %2, que no es una instrucción RETLW (34xxh): la calibración del oscilador parece perdida y no se volverá a escribir. Si conoce el valor correcto, indíquelo como calibración del oscilador antes de borrar. ¿Desea continuar?</source>
        <translation>The OSCCAL of the %1 (03FFh) reads as %2, which is not a RETLW instruction (34xxh): the oscillator calibration seems lost and will not be written back. If you know the right value, give it as the oscillator calibration before erasing. Do you want to continue?</translation>
    </message>
</context>
<context>
    <name>programmer</name>
    <message>
        <source>Falta Driver para el puerto paralelo. Mal rollo.</source>
        <translation>No driver for the parallel port. Bad luck.</translation>
    </message>
    <message>
        <source>la clave %1 de la sección [Config] del fichero de dispositivos</source>
        <translation>the key %1 of the [Config] section of the device file</translation>
    </message>
    <message>
        <source>El adaptador GPIO no tiene %1. Sus claves son %2.</source>
        <translation>The GPIO adapter has no %1. Its keys are %2.</translation>
    </message>
    <message>
        <source>El valor «%1» de %2 no es válido: escriba el nombre del chip GPIO (gpiochip0), su ruta (/dev/gpiochip0) o su etiqueta (pinctrl-bcm2711).</source>
        <translation>The value &quot;%1&quot; of %2 is not valid: write the name of the GPIO chip (gpiochip0), its path (/dev/gpiochip0) or its label (pinctrl-bcm2711).</translation>
    </message>
    <message>
        <source>El valor «%1» de %2 no es válido: escriba el número de la línea GPIO (23) o su nombre en el núcleo (GPIO23), con «!» delante si el adaptador invierte la señal, o none si el adaptador no tiene esa línea.</source>
        <translation>The value &quot;%1&quot; of %2 is not valid: write the number of the GPIO line (23) or its name in the kernel (GPIO23), with &quot;!&quot; in front if the adapter inverts the signal, or none if the adapter does not have that line.</translation>
    </message>
    <message>
        <source>Según %1 el adaptador no tiene esa línea, pero el adaptador GPIO la necesita: gpio_pgc, gpio_pgd y gpio_vpp deben nombrar una línea GPIO.</source>
        <translation>According to %1 the adapter does not have that line, but the GPIO adapter needs it: gpio_pgc, gpio_pgd and gpio_vpp must name a GPIO line.</translation>
    </message>
    <message>
        <source>No existe el chip GPIO %1 (clave gpiochip de la sección [Config]). Este sistema no tiene ningún chip GPIO (/dev/gpiochip*).</source>
        <translation>The GPIO chip %1 does not exist (key gpiochip of the [Config] section). This system has no GPIO chip (/dev/gpiochip*).</translation>
    </message>
    <message>
        <source>No existe el chip GPIO %1 (clave gpiochip de la sección [Config]). Chips GPIO de este sistema: %2.</source>
        <translation>The GPIO chip %1 does not exist (key gpiochip of the [Config] section). GPIO chips of this system: %2.</translation>
    </message>
    <message>
        <source>%1 no es un chip GPIO: compruebe la clave gpiochip de la sección [Config].</source>
        <translation>%1 is not a GPIO chip: check the key gpiochip of the [Config] section.</translation>
    </message>
    <message>
        <source>%1 no es un chip GPIO (%2): compruebe la clave gpiochip de la sección [Config].</source>
        <translation>%1 is not a GPIO chip (%2): check the key gpiochip of the [Config] section.</translation>
    </message>
    <message>
        <source>Su usuario no tiene permiso para abrir %1. Añádalo al grupo %2 («sudo usermod -aG %2 $USER») y vuelva a iniciar la sesión.</source>
        <translation>Your user has no permission to open %1. Add it to the group %2 (&quot;sudo usermod -aG %2 $USER&quot;) and log in again.</translation>
    </message>
    <message>
        <source>La línea %1 de %2 no existe: el chip %3 no tiene líneas.</source>
        <translation>The line %1 of %2 does not exist: the chip %3 has no lines.</translation>
    </message>
    <message>
        <source>La línea %1 de %2 no existe: el chip %3 tiene las líneas 0 a %4.</source>
        <translation>The line %1 of %2 does not exist: the chip %3 has the lines 0 to %4.</translation>
    </message>
    <message>
        <source>Ninguna línea del chip %1 se llama «%2» (%3).</source>
        <translation>No line of the chip %1 is called &quot;%2&quot; (%3).</translation>
    </message>
    <message>
        <source>Las claves %1 y %2 de la sección [Config] nombran la misma línea %3 del chip %4: cada señal del adaptador necesita su propia línea.</source>
        <translation>The keys %1 and %2 of the [Config] section name the same line %3 of the chip %4: each signal of the adapter needs a line of its own.</translation>
    </message>
    <message>
        <source>No se pueden usar las líneas GPIO del chip %1.</source>
        <translation>The GPIO lines of the chip %1 cannot be used.</translation>
    </message>
    <message>
        <source>No se pueden usar las líneas GPIO del chip %1: %2.</source>
        <translation>The GPIO lines of the chip %1 cannot be used: %2.</translation>
    </message>
    <message>
        <source>Las líneas GPIO del adaptador en el chip %1 están ocupadas: las está usando otro programa. Espere a que termine, o cierre ese programa, y vuelva a intentarlo.</source>
        <translation>The adapter&apos;s GPIO lines on the chip %1 are busy: another program is using them. Wait for it to finish, or close that program, and try again.</translation>
    </message>
    <message>
        <source>Las líneas GPIO del adaptador están ocupadas: la línea %1 (%2) del chip %3 la está usando otro programa. Espere a que termine, o cierre ese programa, y vuelva a intentarlo.</source>
        <translation>The adapter&apos;s GPIO lines are busy: another program is using the line %1 (%2) of the chip %3. Wait for it to finish, or close that program, and try again.</translation>
    </message>
    <message>
        <source>Las líneas GPIO del adaptador están ocupadas: la línea %1 (%2) del chip %3 la está usando otro programa (%4). Espere a que termine, o cierre ese programa, y vuelva a intentarlo.</source>
        <translation>The adapter&apos;s GPIO lines are busy: another program (%4) is using the line %1 (%2) of the chip %3. Wait for it to finish, or close that program, and try again.</translation>
    </message>
    <message>
        <source>El núcleo no tiene cargados los módulos del puerto paralelo (no existe /proc/sys/dev/parport). Cárguelos con «sudo modprobe -a parport_pc ppdev»; para que se carguen en cada arranque, añada parport_pc y ppdev a /etc/modules.</source>
        <translation>The kernel has not loaded the parallel-port modules (/proc/sys/dev/parport does not exist). Load them with &quot;sudo modprobe -a parport_pc ppdev&quot;; to have them loaded at every boot, add parport_pc and ppdev to /etc/modules.</translation>
    </message>
    <message>
        <source>El núcleo no conoce ningún puerto paralelo en la dirección %1 (véase /proc/sys/dev/parport). Compruebe el valor «port» de la sección [Config] del fichero de dispositivos.</source>
        <translation>The kernel knows no parallel port at the address %1 (see /proc/sys/dev/parport). Check the value &quot;port&quot; of the [Config] section of the device file.</translation>
    </message>
    <message>
        <source>No existe %1: el módulo ppdev del núcleo no está cargado. Cárguelo con «sudo modprobe ppdev»; para que se cargue en cada arranque, añada ppdev a /etc/modules.</source>
        <translation>%1 does not exist: the kernel module ppdev is not loaded. Load it with &quot;sudo modprobe ppdev&quot;; to have it loaded at every boot, add ppdev to /etc/modules.</translation>
    </message>
    <message>
        <source>Su usuario no tiene permiso para abrir %1. Añádalo al grupo %2 («sudo usermod -aG %2 $USER») y vuelva a iniciar la sesión, o dé acceso al puerto con una regla de udev, por ejemplo en /etc/udev/rules.d/60-pravik.rules: KERNEL==&quot;parport[0-9]*&quot;, GROUP=&quot;%2&quot;, MODE=&quot;0660&quot;.</source>
        <translation>Your user has no permission to open %1. Add it to the group %2 (&quot;sudo usermod -aG %2 $USER&quot;) and log in again, or give access to the port with a udev rule, for example in /etc/udev/rules.d/60-pravik.rules: KERNEL==&quot;parport[0-9]*&quot;, GROUP=&quot;%2&quot;, MODE=&quot;0660&quot;.</translation>
    </message>
    <message>
        <source>No se puede usar %1.</source>
        <translation>%1 cannot be used.</translation>
    </message>
    <message>
        <source>No se puede usar %1: %2.</source>
        <translation>%1 cannot be used: %2.</translation>
    </message>
    <message>
        <source>en %1</source>
        <translation>at %1</translation>
    </message>
    <message>
        <source>El puerto paralelo %1 está ocupado: lo está usando otro programa. Espere a que termine, o cierre ese programa, y vuelva a intentarlo.</source>
        <translation>The parallel port %1 is busy: another program is using it. Wait for it to finish, or close that program, and try again.</translation>
    </message>
    <message>
        <source>El puerto paralelo %1 está ocupado: lo está usando otro programa (%2). Espere a que termine, o cierre ese programa, y vuelva a intentarlo.</source>
        <translation>The parallel port %1 is busy: another program is using it (%2). Wait for it to finish, or close that program, and try again.</translation>
    </message>
    <message>
        <source>Para probar el programa sin programador, use el adaptador simulado: «pravik --adapter simulator» o «pravik-cli --adapter simulator».</source>
        <translation>To try the program without a programmer, use the simulated adapter: &quot;pravik --adapter simulator&quot; or &quot;pravik-cli --adapter simulator&quot;.</translation>
    </message>
</context>
<context>
    <name>simulator</name>
    <message>
        <source>registro mal formado en la línea %1</source>
        <translation>malformed record on line %1</translation>
    </message>
    <message>
        <source>falta el registro de fin</source>
        <translation>the end record is missing</translation>
    </message>
    <message>
        <source>no se puede escribir en la carpeta del fichero: %1</source>
        <translation>cannot write in the file&apos;s folder: %1</translation>
    </message>
    <message>
        <source>no se puede escribir: %1</source>
        <translation>cannot write: %1</translation>
    </message>
    <message>
        <source>no se puede abrir: %1</source>
        <translation>cannot open: %1</translation>
    </message>
</context>
<context>
    <name>workbench</name>
    <message>
        <source>Familia %1 no reconocida</source>
        <translation>Family %1 not recognised</translation>
    </message>
</context>
</TS>
