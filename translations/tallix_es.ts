<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>FileAssociation</name>
    <message>
        <source>Associate &quot;.TLX&quot; files with this application?</source>
        <translation>¿Asociar los archivos «.TLX» con esta aplicación?</translation>
    </message>
</context>
<context>
    <name>Locale</name>
    <message>
        <source>%1 would be kept as %2: amounts are kept to the cent up to %3</source>
        <translation>%1 se guardaría como %2: los importes se guardan con precisión de céntimo hasta %3</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Starting Balance:</source>
        <translation>Saldo inicial:</translation>
    </message>
    <message>
        <source>Next Check Number:</source>
        <translation>Siguiente número de cheque:</translation>
    </message>
</context>
<context>
    <name>TallixCommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>Usage: tallix [QT-OPTION...] [--] [FILE]
  or:  tallix [QT-OPTION...] --demo
List and balance checks.

Opens FILE, a Tallix data file (.tlx); without it the data file of the last run is reopened.

      --demo     open a sample ledger of a year of transactions (a fresh copy in the user&apos;s data
                 folder, so nothing of yours is touched)
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Qt&apos;s standard options are taken as well, such as -style NAME, -platform NAME or -reverse.
</source>
        <translation>Uso: tallix [OPCIÓN-QT...] [--] [ARCHIVO]
  o: tallix [OPCIÓN-QT...] --demo
Anotar y conciliar cheques.

Abre ARCHIVO, un archivo de datos de Tallix (.tlx); sin él se vuelve a abrir el archivo de datos de la última ejecución.

      --demo     abrir un libro de ejemplo con un año de movimientos (una copia nueva en la carpeta de
                 datos del usuario, para no tocar nada de lo suyo)
  -h, --help     mostrar esta ayuda y salir
  -v, --version  mostrar la versión y salir

También se aceptan las opciones estándar de Qt, como -style NOMBRE, -platform NOMBRE o -reverse.
</translation>
    </message>
    <message>
        <source>one FILE at most, and none with --demo</source>
        <translation>un ARCHIVO como máximo, y ninguno con --demo</translation>
    </message>
    <message>
        <source>no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
Run it from a desktop session, or under xvfb-run.</source>
        <translation>no hay pantalla donde mostrar la ventana (no está definida DISPLAY ni WAYLAND_DISPLAY).
Ejecútelo desde una sesión de escritorio o con xvfb-run.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Tallix v%1</source>
        <translation>Tallix v%1</translation>
    </message>
    <message>
        <source>This program will create a check register that you can use to balance your checkbook. You enter the checks and deposits just as you would on the register that comes with your checks. The balances will automatically be calculated.</source>
        <translation>Este programa crea un registro de cheques con el que puede conciliar su chequera. Anote los cheques y depósitos igual que en el registro que viene con sus cheques. Los saldos se calculan automáticamente.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Check or payment</source>
        <translation>Cheque o pago</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Check #</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Check date</source>
        <translation>Fecha del cheque</translation>
    </message>
    <message>
        <source>Pay to the order of:</source>
        <translation>Páguese a:</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Check amount</source>
        <translation>Importe del cheque</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Deposit, fee or withdrawal</source>
        <translation>Depósito, comisión o retiro</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Comisión</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Retiro</translation>
    </message>
    <message>
        <source>Transaction date</source>
        <translation>Fecha del movimiento</translation>
    </message>
    <message>
        <source>Description of Transaction:</source>
        <translation>Descripción del movimiento:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Transaction amount</source>
        <translation>Importe del movimiento</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Show Register</source>
        <translation>Ver registro</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open Recen&amp;t</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Print &amp;Register...</source>
        <translation>Im&amp;primir registro...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Balance &amp;Chart</source>
        <translation>&amp;Gráfico del saldo</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Associate</source>
        <translation>Asociar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Balance to Statement...</source>
        <translation>&amp;Conciliar con el extracto...</translation>
    </message>
    <message>
        <source>&amp;Schedules...</source>
        <translation>Movimientos &amp;programados...</translation>
    </message>
    <message>
        <source>Today&apos;s balance: the starting balance and every transaction dated up to today; scheduled transactions count once they are entered</source>
        <translation>Saldo de hoy: el saldo inicial y todos los movimientos con fecha hasta hoy; los movimientos programados cuentan una vez anotados</translation>
    </message>
    <message>
        <source>Incomplete or incorrect data</source>
        <translation>Datos incompletos o incorrectos</translation>
    </message>
    <message>
        <source>Check %1 is already in the register (%2, %3, %4). Add it anyway?</source>
        <translation>El cheque %1 ya está en el registro (%2, %3, %4). ¿Añadirlo de todos modos?</translation>
    </message>
    <message>
        <source>Check %1 to %2, %3 added</source>
        <translation>Cheque %1 a %2, %3 añadido</translation>
    </message>
    <message>
        <source>Check %1, %2 added</source>
        <translation>Cheque %1, %2 añadido</translation>
    </message>
    <message>
        <source>Payment to %1, %2 added</source>
        <translation>Pago a %1, %2 añadido</translation>
    </message>
    <message>
        <source>Payment, %1 added</source>
        <translation>Pago, %1 añadido</translation>
    </message>
    <message>
        <source>Withdrawal %1, %2 added</source>
        <translation>Retiro %1, %2 añadido</translation>
    </message>
    <message>
        <source>Withdrawal, %1 added</source>
        <translation>Retiro, %1 añadido</translation>
    </message>
    <message>
        <source>Fee %1, %2 added</source>
        <translation>Comisión %1, %2 añadida</translation>
    </message>
    <message>
        <source>Fee, %1 added</source>
        <translation>Comisión, %1 añadida</translation>
    </message>
    <message>
        <source>Deposit %1, %2 added</source>
        <translation>Depósito %1, %2 añadido</translation>
    </message>
    <message>
        <source>Deposit, %1 added</source>
        <translation>Depósito, %1 añadido</translation>
    </message>
    <message>
        <source>Interest %1, %2 added</source>
        <translation>Intereses %1, %2 añadidos</translation>
    </message>
    <message>
        <source>Interest, %1 added</source>
        <translation>Intereses, %1 añadidos</translation>
    </message>
    <message>
        <source>The register is full: no more transactions can be added.</source>
        <translation>El registro está lleno: no se pueden añadir más movimientos.</translation>
    </message>
    <message>
        <source>Check data</source>
        <translation>Datos de cheques</translation>
    </message>
    <message>
        <source>No ledgers yet</source>
        <translation>Todavía no hay libros</translation>
    </message>
    <message>
        <source>Bank statements</source>
        <translation>Extractos bancarios</translation>
    </message>
    <message>
        <source>Check Register</source>
        <translation>Registro de cheques</translation>
    </message>
    <message>
        <source>Check Register: %1</source>
        <translation>Registro de cheques: %1</translation>
    </message>
    <message>
        <source>Print Register</source>
        <translation>Imprimir registro</translation>
    </message>
    <message>
        <source>Unable to print the register.</source>
        <translation>No se puede imprimir el registro.</translation>
    </message>
    <message>
        <source>%1
is open in another copy of Tallix: %2.
Only one copy at a time can change a ledger.</source>
        <translation>%1
está abierto en otra instancia de Tallix: %2.
Solo una instancia a la vez puede modificar un libro.</translation>
    </message>
    <message>
        <source>Open Read-Only</source>
        <translation>Abrir como solo lectura</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1
is open in Tallix on another computer: %2.
If that copy no longer runs, you can take the ledger over.</source>
        <translation>%1
está abierto en Tallix en otro equipo: %2.
Si esa instancia ya no se está ejecutando, puede hacerse cargo del libro.</translation>
    </message>
    <message>
        <source>Take Over...</source>
        <translation>Hacerse cargo...</translation>
    </message>
    <message>
        <source>Take %1 over from %2?
If that copy still runs, whatever it saves afterwards replaces your changes, or yours replace its.</source>
        <translation>¿Hacerse cargo de %1 desde %2?
Si esa instancia sigue en ejecución, lo que guarde después reemplazará sus cambios, o los suyos reemplazarán los de ella.</translation>
    </message>
    <message>
        <source>%1
could not be taken over.</source>
        <translation>No se pudo hacer cargo de
%1.</translation>
    </message>
    <message>
        <source>%1
is opened read-only: Tallix cannot make its lock file in the folder %2 (%3). Without it, another copy of Tallix could change the ledger at the same time.
Save As saves a copy that you can change.</source>
        <translation>%1
se abre como solo lectura: Tallix no puede crear su archivo de bloqueo en la carpeta %2 (%3). Sin él, otra instancia de Tallix podría modificar el libro al mismo tiempo.
«Guardar como» guarda una copia que puede modificar.</translation>
    </message>
    <message>
        <source>a ledger that was never saved</source>
        <translation>un libro que nunca se guardó</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 cannot be read back: %2.
Nothing was recovered; the journal was kept as %3.</source>
        <translation>Los cambios sin guardar de %1 no se pueden leer: %2.
No se recuperó nada; el diario se conservó como %3.</translation>
    </message>
    <message>
        <source>The recovery journal found for %1 holds unsaved changes of another ledger, %2.
Nothing was recovered; the journal was kept as %3.</source>
        <translation>El diario de recuperación encontrado para %1 contiene cambios sin guardar de otro libro, %2.
No se recuperó nada; el diario se conservó como %3.</translation>
    </message>
    <message>
        <source>%1 was not saved when Tallix last ended: 1 change, the last made %2.</source>
        <translation>%1 no se guardó la última vez que se cerró Tallix: 1 cambio, hecho el %2.</translation>
    </message>
    <message>
        <source>%1 was not saved when Tallix last ended: %2 changes, the last made %3.</source>
        <translation>%1 no se guardó la última vez que se cerró Tallix: %2 cambios, el último hecho el %3.</translation>
    </message>
    <message>
        <source>A change after that was cut short and cannot be recovered.</source>
        <translation>Un cambio posterior quedó interrumpido y no se puede recuperar.</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>The file was changed on disk since then; these changes would undo that.
Open as Copy opens the ledger as you left it as a new ledger, to be saved under another name; the file stays as it is. Keep for Later opens the file read-only and asks again the next time.</source>
        <translation>El archivo se modificó en el disco desde entonces; estos cambios lo desharían.
«Abrir como copia» abre el libro tal como lo dejó, como un libro nuevo que se guardará con otro nombre; el archivo queda como está. «Dejar para más tarde» abre el archivo como solo lectura y vuelve a preguntar la próxima vez.</translation>
    </message>
    <message>
        <source>Open as Copy</source>
        <translation>Abrir como copia</translation>
    </message>
    <message>
        <source>Keep for Later</source>
        <translation>Dejar para más tarde</translation>
    </message>
    <message>
        <source>%1 of the %2 changes were recovered; the others could not be read back.</source>
        <translation>Se recuperaron %1 de los %2 cambios; los demás no se pudieron leer.</translation>
    </message>
    <message>
        <source>Discard 1 unsaved change? They cannot be recovered afterwards.</source>
        <translation>¿Descartar 1 cambio sin guardar? No se podrá recuperar después.</translation>
    </message>
    <message>
        <source>Discard %1 unsaved changes? They cannot be recovered afterwards.</source>
        <translation>¿Descartar %1 cambios sin guardar? No se podrán recuperar después.</translation>
    </message>
    <message>
        <source>%1
was moved or deleted since Tallix opened or last saved it.
Overwrite would write this ledger there again.</source>
        <translation>%1
se movió o se eliminó desde que Tallix lo abrió o lo guardó por última vez.
«Sobrescribir» volvería a escribir este libro allí.</translation>
    </message>
    <message>
        <source>%1
changed on disk since Tallix opened or last saved it.
Overwrite would replace that version with this ledger.</source>
        <translation>%1
cambió en el disco desde que Tallix lo abrió o lo guardó por última vez.
«Sobrescribir» reemplazaría esa versión por este libro.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>%1 (Read-Only)</source>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message>
        <source>can&apos;t find settings</source>
        <translation>no se encuentran los ajustes</translation>
    </message>
    <message>
        <source>Save Data?</source>
        <translation>¿Guardar los datos?</translation>
    </message>
    <message>
        <source>Bal:  %1</source>
        <translation>Conc.:  %1</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Sin bloquear</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Hoy: %1</translation>
    </message>
    <message>
        <source>Balance Chart</source>
        <translation>Gráfico del saldo</translation>
    </message>
    <message>
        <source>Balance Chart: %1</source>
        <translation>Gráfico del saldo: %1</translation>
    </message>
</context>
</TS>
