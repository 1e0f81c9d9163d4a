<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>TAboutForm</name>
    <message>
        <source>Sobre Pravik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programador de PIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICSP en puerto paralelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>versión %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIC16 y PIC18</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLumbroForm</name>
    <message>
        <source>OSCCAL (instrucción RETLW, de 3400 a 37FF) y bits BG (0 a 3) que se escribirán en el %1 al borrarlo o escribirlo, en lugar de los que tenga el chip (por ejemplo «3480 2»). Vacío: los del chip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibración no válida: «%1». Escriba OSCCAL en hexadecimal (de 3400 a 37FF) y, si quiere, los bits BG (0 a 3) separados por un espacio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichero de chip %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir HEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar como</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dispositivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acción</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verificar PIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribir PIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer PIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desproteger PIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configurar PIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibración del oscilador...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sobre Lumbro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichero de configuración %1 no encontrado. Vuelva a copiar este fichero o instale de nuevo el programa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reabre Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identificador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcance de las operaciones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memoria de Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memoria (EEPROM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palabra de Configuración</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pravik hablará el idioma elegido la próxima vez que se inicie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abre fichero HEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Todos los ficheros (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> [simulador]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPalConfForm</name>
    <message>
        <source>Palabra de Configuración, familia 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palabra de Configuración</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palabra de Configuración:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palabra recomendada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>_PWRTE: Power-On Timer Enable (Nivel Bajo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- No  Implementado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palabra 2 (2008h)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPalConfForm18</name>
    <message>
        <source>Palabra de Configuración, familia 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recomendado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recomendados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volver</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProcesaForm</name>
    <message>
        <source>Procesando Micro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progreso:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final Programa:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final EEPROM:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>la opción %1 necesita un valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adaptador desconocido &apos;%1&apos; (parport, gpio o simulator)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>idioma desconocido &apos;%1&apos; (es o en)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opción desconocida %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--chip necesita --adapter simulator (o gpio con gpiochip=simulator)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>common</name>
    <message>
        <source>no existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>es un directorio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>una parte de la ruta no es un directorio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permiso denegado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el sistema de ficheros es de solo lectura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>está ocupado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el dispositivo no existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error de entrada/salida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ya existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>demasiados enlaces simbólicos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>demasiados ficheros abiertos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error del sistema %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>devices</name>
    <message>
        <source>La clave Algoritmo=%1 de %2 no nombra ningún algoritmo conocido (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La clave Algoritmo=%1 de %2 nombra un algoritmo de la familia %3, y el dispositivo es de la familia %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>No se puede leer el fichero HEX.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede crear el fichero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error en los códigos de programa (fuera de rango), dir: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error en la palabra de configuración %1 (fuera de rango)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error en los códigos de datos (fuera de rango), dir: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error en la dirección de configuración (fuera de rango), dir: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error en la dirección de EEPROM (fuera de rango), dir: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la carpeta no existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; no es un valor hexadecimal válido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum error en el fichero HEX. Lectura Interrumpida.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex File: falta &quot;:&quot; al inicio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex File: comando HEX no soportado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex File: dirección fuera de rango</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex File: 1 dato fuera de rango no se ha cargado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex File: %1 datos fuera de rango no se han cargado.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>operations</name>
    <message>
        <source>Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de borrado en %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se borrará todo el contenido del programa. ¿Desea continuar?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programa borrado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta función solo funciona con dispositivos FLASH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta acción borrará todo el contenido del PIC. ¿Desea continuar?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIC desprotegido y borrado completamente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«Desproteger PIC»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acción interrumpida.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operación Completada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1,%2</source>
        <extracomment>Whole and tenths of a voltage: the decimal sign between them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No responde ningún PIC (ID leído: %1). Compruebe que el programador está conectado y alimentado y que el PIC está bien colocado en el zócalo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El dispositivo conectado no parece un %1 (ID %2, revisión %3). ¿Desea continuar?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El %1 admite como máximo %2 V en MCLR y el adaptador da %3 V. ¿Desea continuar?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error en los códigos de datos (fuera de rango), dir: %1 fila: %2 col: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de verificación en dir: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error en los códigos de programa (fuera de rango), dir: %1 fila: %2 col: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error verificando en %1. Compruebe modo programación y dispositivo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribe: %1   Lee: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONFIG5 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>palabra de configuración %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El PIC tiene la protección de código activada (%1): su memoria de programa se lee como ceros. %2 lo borra entero y quita la protección; después se puede escribir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identificador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de borrado en ID pos %1 %2==%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de verificación de ID pos %1 %2==%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pal_Conf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de borrado de la palabra de configuración 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de borrado de la palabra de configuración</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error al verificar palabra de configuración 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error al verificar palabra de configuración.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de borrado en ID pos %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de verificación en el reg %1 de configuración.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribiendo %1 mientras verifica....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leyendo %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verificando %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comprobando Borrado %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leyendo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribiendo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verificando</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comprobando Borrado</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parts</name>
    <message>
        <source>No se especifica el tipo de Flash!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un %1 configurado con el oscilador interno y MCLR desactivado (FOSC = 100 o 101, MCLRE = 0) solo entra en programación si el adaptador da VPP antes que VDD: véase el README.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El OSCCAL del %1 (03FFh) se lee como %2, que no es una instrucción RETLW (34xxh): la calibración del oscilador parece perdida y no se volverá a escribir. Si conoce el valor correcto, indíquelo como calibración del oscilador antes de borrar. ¿Desea continuar?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>programmer</name>
    <message>
        <source>Falta Driver para el puerto paralelo. Mal rollo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la clave %1 de la sección [Config] del fichero de dispositivos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El adaptador GPIO no tiene %1. Sus claves son %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El valor «%1» de %2 no es válido: escriba el nombre del chip GPIO (gpiochip0), su ruta (/dev/gpiochip0) o su etiqueta (pinctrl-bcm2711).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El valor «%1» de %2 no es válido: escriba el número de la línea GPIO (23) o su nombre en el núcleo (GPIO23), con «!» delante si el adaptador invierte la señal, o none si el adaptador no tiene esa línea.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Según %1 el adaptador no tiene esa línea, pero el adaptador GPIO la necesita: gpio_pgc, gpio_pgd y gpio_vpp deben nombrar una línea GPIO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No existe el chip GPIO %1 (clave gpiochip de la sección [Config]). Este sistema no tiene ningún chip GPIO (/dev/gpiochip*).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No existe el chip GPIO %1 (clave gpiochip de la sección [Config]). Chips GPIO de este sistema: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no es un chip GPIO: compruebe la clave gpiochip de la sección [Config].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no es un chip GPIO (%2): compruebe la clave gpiochip de la sección [Config].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su usuario no tiene permiso para abrir %1. Añádalo al grupo %2 («sudo usermod -aG %2 $USER») y vuelva a iniciar la sesión.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La línea %1 de %2 no existe: el chip %3 no tiene líneas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La línea %1 de %2 no existe: el chip %3 tiene las líneas 0 a %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ninguna línea del chip %1 se llama «%2» (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las claves %1 y %2 de la sección [Config] nombran la misma línea %3 del chip %4: cada señal del adaptador necesita su propia línea.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pueden usar las líneas GPIO del chip %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pueden usar las líneas GPIO del chip %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las líneas GPIO del adaptador en el chip %1 están ocupadas: las está usando otro programa. Espere a que termine, o cierre ese programa, y vuelva a intentarlo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las líneas GPIO del adaptador están ocupadas: la línea %1 (%2) del chip %3 la está usando otro programa. Espere a que termine, o cierre ese programa, y vuelva a intentarlo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las líneas GPIO del adaptador están ocupadas: la línea %1 (%2) del chip %3 la está usando otro programa (%4). Espere a que termine, o cierre ese programa, y vuelva a intentarlo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El núcleo no tiene cargados los módulos del puerto paralelo (no existe /proc/sys/dev/parport). Cárguelos con «sudo modprobe -a parport_pc ppdev»; para que se carguen en cada arranque, añada parport_pc y ppdev a /etc/modules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El núcleo no conoce ningún puerto paralelo en la dirección %1 (véase /proc/sys/dev/parport). Compruebe el valor «port» de la sección [Config] del fichero de dispositivos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No existe %1: el módulo ppdev del núcleo no está cargado. Cárguelo con «sudo modprobe ppdev»; para que se cargue en cada arranque, añada ppdev a /etc/modules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su usuario no tiene permiso para abrir %1. Añádalo al grupo %2 («sudo usermod -aG %2 $USER») y vuelva a iniciar la sesión, o dé acceso al puerto con una regla de udev, por ejemplo en /etc/udev/rules.d/60-pravik.rules: KERNEL==&quot;parport[0-9]*&quot;, GROUP=&quot;%2&quot;, MODE=&quot;0660&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede usar %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede usar %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El puerto paralelo %1 está ocupado: lo está usando otro programa. Espere a que termine, o cierre ese programa, y vuelva a intentarlo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El puerto paralelo %1 está ocupado: lo está usando otro programa (%2). Espere a que termine, o cierre ese programa, y vuelva a intentarlo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Para probar el programa sin programador, use el adaptador simulado: «pravik --adapter simulator» o «pravik-cli --adapter simulator».</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>simulator</name>
    <message>
        <source>registro mal formado en la línea %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta el registro de fin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se puede escribir en la carpeta del fichero: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se puede escribir: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se puede abrir: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>workbench</name>
    <message>
        <source>Familia %1 no reconocida</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
