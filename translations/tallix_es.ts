<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>The statement holds %1 accounts. Which one goes into this ledger?</source>
        <translation>El extracto contiene %1 cuentas. ¿Cuál va a este libro?</translation>
    </message>
    <message>
        <source>no account id</source>
        <translation>sin identificador de cuenta</translation>
    </message>
    <message>
        <source>%1 (1 transaction)</source>
        <translation>%1 (1 movimiento)</translation>
    </message>
    <message>
        <source>%1 (%2 transactions)</source>
        <translation>%1 (%2 movimientos)</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>&amp;Address of %1, as a window envelope shows it:</source>
        <translation>&amp;Dirección de %1, como se ve en el sobre con ventana:</translation>
    </message>
    <message>
        <source>Address line %1</source>
        <translation>Línea de dirección %1</translation>
    </message>
</context>
<context>
    <name>BalanceChart</name>
    <message>
        <source>overdue before %1</source>
        <translation>vencidos antes del %1</translation>
    </message>
    <message>
        <source>from %1 on</source>
        <translation>a partir del %1</translation>
    </message>
    <message>
        <source>Forecast cut: %1</source>
        <translation>Previsión recortada: %1</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Previsión</translation>
    </message>
    <message>
        <source>Money in, out</source>
        <translation>Entradas, salidas</translation>
    </message>
    <message>
        <source>Forecast in, out</source>
        <translation>Entradas, salidas previstas</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Lock date</source>
        <translation>Fecha de bloqueo</translation>
    </message>
    <message>
        <source>Last statement</source>
        <translation>Último extracto</translation>
    </message>
    <message>
        <source>Lowest: %1 on %2</source>
        <translation>Mínimo: %1 el %2</translation>
    </message>
    <message>
        <source>Money in and out per month</source>
        <translation>Entradas y salidas por mes</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Income:Salary</source>
        <translation>Ingresos:Salario</translation>
    </message>
    <message>
        <source>Income:Interest</source>
        <translation>Ingresos:Intereses</translation>
    </message>
    <message>
        <source>Income:Other</source>
        <translation>Ingresos:Otros</translation>
    </message>
    <message>
        <source>Housing:Rent or mortgage</source>
        <translation>Vivienda:Alquiler o hipoteca</translation>
    </message>
    <message>
        <source>Housing:Repairs</source>
        <translation>Vivienda:Reparaciones</translation>
    </message>
    <message>
        <source>Utilities:Electricity</source>
        <translation>Suministros:Electricidad</translation>
    </message>
    <message>
        <source>Utilities:Water</source>
        <translation>Suministros:Agua</translation>
    </message>
    <message>
        <source>Utilities:Phone and internet</source>
        <translation>Suministros:Teléfono e internet</translation>
    </message>
    <message>
        <source>Food:Groceries</source>
        <translation>Alimentación:Supermercado</translation>
    </message>
    <message>
        <source>Food:Dining out</source>
        <translation>Alimentación:Restaurantes</translation>
    </message>
    <message>
        <source>Car:Fuel</source>
        <translation>Coche:Combustible</translation>
    </message>
    <message>
        <source>Car:Insurance</source>
        <translation>Coche:Seguro</translation>
    </message>
    <message>
        <source>Car:Repairs</source>
        <translation>Coche:Reparaciones</translation>
    </message>
    <message>
        <source>Health:Doctor</source>
        <translation>Salud:Médico</translation>
    </message>
    <message>
        <source>Health:Pharmacy</source>
        <translation>Salud:Farmacia</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Gifts and charity</source>
        <translation>Regalos y donativos</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Impuestos</translation>
    </message>
    <message>
        <source>Bank fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
</context>
<context>
    <name>CategoriesWindow</name>
    <message>
        <source>Type a category, such as Food:Groceries; a colon puts a category under another.</source>
        <translation>Escriba una categoría, como Alimentación:Supermercado; dos puntos ponen una categoría bajo otra.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; a category may have at most %3, its colons included.</source>
        <translation>%1 tiene %2 caracteres; una categoría puede tener como máximo %3, incluidos los dos puntos.</translation>
    </message>
    <message>
        <source>1 transaction</source>
        <translation>1 movimiento</translation>
    </message>
    <message>
        <source>%1 transactions</source>
        <translation>%1 movimientos</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>A category&apos;s figures include those of the categories under it.</source>
        <translation>Las cifras de una categoría incluyen las de las categorías que hay bajo ella.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renombrar...</translation>
    </message>
    <message>
        <source>&amp;Merge into...</source>
        <translation>Com&amp;binar con...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Eliminar...</translation>
    </message>
    <message>
        <source>Description contains</source>
        <translation>La descripción contiene</translation>
    </message>
    <message>
        <source>An imported statement line whose description contains the text, in any letter case, takes the category of the first rule that matches.</source>
        <translation>Una línea de extracto importada cuya descripción contiene el texto, en mayúsculas o minúsculas, toma la categoría de la primera regla que coincide.</translation>
    </message>
    <message>
        <source>New r&amp;ule...</source>
        <translation>&amp;Nueva regla...</translation>
    </message>
    <message>
        <source>&amp;Edit rule...</source>
        <translation>E&amp;ditar regla...</translation>
    </message>
    <message>
        <source>Remo&amp;ve rule</source>
        <translation>&amp;Quitar regla</translation>
    </message>
    <message>
        <source>Import rules</source>
        <translation>Reglas de importación</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>%1 alone: %2, %3</source>
        <translation>%1 sola: %2, %3</translation>
    </message>
    <message>
        <source>Add Category</source>
        <translation>Añadir categoría</translation>
    </message>
    <message>
        <source>The new category; a colon puts it under another (Food:Groceries).</source>
        <translation>La nueva categoría; dos puntos la ponen bajo otra (Alimentación:Supermercado).</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 ya está en la lista.</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Renombrar categoría</translation>
    </message>
    <message>
        <source>The new name of %1, wherever it is used; the categories under it move along.</source>
        <translation>El nuevo nombre de %1, dondequiera que se use; las categorías bajo ella se mueven con ella.</translation>
    </message>
    <message>
        <source>%1 cannot move under itself.</source>
        <translation>%1 no puede moverse bajo sí misma.</translation>
    </message>
    <message>
        <source>%1 is already a category. Merge %2 into %1?</source>
        <translation>%1 ya es una categoría. ¿Combinar %2 con %1?</translation>
    </message>
    <message>
        <source>%1 cannot be renamed %2: a category under it would be longer than %3 characters.</source>
        <translation>%1 no puede renombrarse %2: una categoría bajo ella tendría más de %3 caracteres.</translation>
    </message>
    <message>
        <source>There is no other category to merge %1 into.</source>
        <translation>No hay otra categoría con la que combinar %1.</translation>
    </message>
    <message>
        <source>Merge Category</source>
        <translation>Combinar categoría</translation>
    </message>
    <message>
        <source>Merge %1 into (its transactions, the categories under it and its rules move there):</source>
        <translation>Combinar %1 con (sus movimientos, las categorías bajo ella y sus reglas pasan allí):</translation>
    </message>
    <message>
        <source>%1 cannot be merged into %2: a category under it would be longer than %3 characters.</source>
        <translation>%1 no puede combinarse con %2: una categoría bajo ella tendría más de %3 caracteres.</translation>
    </message>
    <message>
        <source>Delete %1 and any category under it? No transaction uses them.</source>
        <translation>¿Eliminar %1 y toda categoría bajo ella? Ningún movimiento las usa.</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(sin categoría)</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Delete %1 and any category under it? The %2 it holds will move to:</source>
        <translation>¿Eliminar %1 y toda categoría bajo ella? Los %2 que tiene pasarán a:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>Type the text a statement line&apos;s description contains, such as AMAZON.</source>
        <translation>Escriba el texto que contiene la descripción de una línea del extracto, como AMAZON.</translation>
    </message>
    <message>
        <source>New Import Rule</source>
        <translation>Nueva regla de importación</translation>
    </message>
    <message>
        <source>Edit Import Rule</source>
        <translation>Editar regla de importación</translation>
    </message>
</context>
<context>
    <name>CategoryChoiceDialog</name>
    <message>
        <source>&amp;Description contains:</source>
        <translation>La &amp;descripción contiene:</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Balance chart</source>
        <translation>Gráfico del saldo</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Point at the chart to see the balance of a day.</source>
        <translation>Señale el gráfico para ver el saldo de un día.</translation>
    </message>
    <message>
        <source>Balance Chart</source>
        <translation>Gráfico del saldo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>%1: %2 (forecast)</source>
        <comment>day: balance</comment>
        <translation>%1: %2 (previsión)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>day: balance</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>Imagen SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>no se pudo dibujar el gráfico</translation>
    </message>
    <message>
        <source>Unable to save the chart to %1: %2.</source>
        <translation>No se pudo guardar el gráfico en %1: %2.</translation>
    </message>
    <message>
        <source>Print Balance Chart</source>
        <translation>Imprimir el gráfico del saldo</translation>
    </message>
    <message>
        <source>Unable to print the chart.</source>
        <translation>No se pudo imprimir el gráfico.</translation>
    </message>
</context>
<context>
    <name>CheckFormats</name>
    <message>
        <source>Three checks per page</source>
        <translation>Tres cheques por página</translation>
    </message>
    <message>
        <source>One check at the top, two stubs</source>
        <translation>Un cheque arriba, dos talones</translation>
    </message>
    <message>
        <source>One check in the middle, two stubs</source>
        <translation>Un cheque en el centro, dos talones</translation>
    </message>
    <message>
        <source>One check at the bottom, two stubs</source>
        <translation>Un cheque abajo, dos talones</translation>
    </message>
    <message>
        <source>Wallet checks with a stub on the left</source>
        <translation>Cheques de bolsillo con talón a la izquierda</translation>
    </message>
    <message>
        <source>the file is larger than a check format can be (1 MB)</source>
        <translation>el archivo es mayor de lo que puede ser un formato de cheque (1 MB)</translation>
    </message>
    <message>
        <source>it is not JSON: %1 at character %2</source>
        <translation>no es JSON: %1 en el carácter %2</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>it needs &quot;page&quot; and &quot;check&quot;, each with a &quot;width&quot; and &quot;height&quot; above 0</source>
        <translation>necesita «page» y «check», cada uno con «width» y «height» mayores que 0</translation>
    </message>
    <message>
        <source>&quot;left&quot; must be a number of 0 or more and &quot;fontSize&quot; one from above 0 to 72</source>
        <translation>«left» debe ser un número de 0 o más y «fontSize» uno mayor que 0 y hasta 72</translation>
    </message>
    <message>
        <source>check %1 of &quot;tops&quot; does not lie on the page</source>
        <translation>el cheque %1 de «tops» no está en la página</translation>
    </message>
    <message>
        <source>&quot;tops&quot; lists no check</source>
        <translation>«tops» no contiene ningún cheque</translation>
    </message>
    <message>
        <source>field %1 is of no known kind (number, date, payee, amount, words, memo, address)</source>
        <translation>el campo %1 no es de ningún tipo conocido (number, date, payee, amount, words, memo, address)</translation>
    </message>
    <message>
        <source>field %1 (%2) does not lie on the check</source>
        <translation>el campo %1 (%2) no está en el cheque</translation>
    </message>
    <message>
        <source>&quot;fields&quot; lists no field</source>
        <translation>«fields» no contiene ningún campo</translation>
    </message>
</context>
<context>
    <name>CheckPrint</name>
    <message>
        <source>Check number</source>
        <translation>Número de cheque</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Amount in words</source>
        <translation>Importe en letras</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
</context>
<context>
    <name>ChecksWindow</name>
    <message>
        <source>Print Checks</source>
        <translation>Imprimir cheques</translation>
    </message>
    <message>
        <source>&amp;Checks to print:</source>
        <translation>&amp;Cheques para imprimir:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Show &amp;every check, to print one again</source>
        <translation>Mostrar &amp;todos los cheques, para reimprimir uno</translation>
    </message>
    <message>
        <source>&amp;First form in the printer:</source>
        <translation>&amp;Primer formulario en la impresora:</translation>
    </message>
    <message>
        <source>Check &amp;stock:</source>
        <translation>&amp;Formato de cheque:</translation>
    </message>
    <message>
        <source>Offset right</source>
        <translation>Desplazamiento a la derecha</translation>
    </message>
    <message>
        <source>Move &amp;right (1/100 inch):</source>
        <translation>Mover a la &amp;derecha (1/100 pulgada):</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Desplazamiento hacia abajo</translation>
    </message>
    <message>
        <source>Move &amp;down (1/100 inch):</source>
        <translation>Mover hacia a&amp;bajo (1/100 pulgada):</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Sa&amp;ve as PDF...</source>
        <translation>&amp;Guardar como PDF...</translation>
    </message>
    <message>
        <source>&amp;Alignment sheet...</source>
        <translation>Hoja de &amp;alineación...</translation>
    </message>
    <message>
        <source>No check stock format was found. Add one to %1 and open this window again.</source>
        <translation>No se encontró ningún formato de cheque. Añada uno en %1 y vuelva a abrir esta ventana.</translation>
    </message>
    <message>
        <source>%1 checks from form %2 on would pass %3, the highest check number. Print fewer checks.</source>
        <translation>%1 cheques a partir del formulario %2 superarían %3, el número de cheque más alto. Imprima menos cheques.</translation>
    </message>
    <message>
        <source>Check %1 is locked: its number cannot change to the form&apos;s. Unlock it in the register or leave it out.</source>
        <translation>El cheque %1 está bloqueado: su número no puede cambiar al del formulario. Desbloquéelo en el registro o déjelo fuera.</translation>
    </message>
    <message>
        <source>The first form in the printer is number %1, the first check %2. Renumber the checks to match the forms?</source>
        <translation>El primer formulario de la impresora es el número %1; el primer cheque, el %2. ¿Renumerar los cheques según los formularios?</translation>
    </message>
    <message>
        <source>The checks&apos; numbers have gaps; the forms in the printer do not. Renumber the checks to match the forms?</source>
        <translation>Los números de los cheques tienen huecos; los de los formularios de la impresora no. ¿Renumerar los cheques según los formularios?</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Check %1 becomes %2</source>
        <translation>El cheque %1 pasa a ser el %2</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Cheques</translation>
    </message>
    <message>
        <source>the checks could not be drawn</source>
        <translation>no se pudieron dibujar los cheques</translation>
    </message>
    <message>
        <source>Unable to save the checks to %1: %2.</source>
        <translation>No se pudieron guardar los cheques en %1: %2.</translation>
    </message>
    <message>
        <source>Unable to print the checks.</source>
        <translation>No se pudieron imprimir los cheques.</translation>
    </message>
    <message>
        <source>Did every check print correctly?</source>
        <translation>¿Se imprimieron correctamente todos los cheques?</translation>
    </message>
    <message>
        <source>Alignment sheet</source>
        <translation>Hoja de alineación</translation>
    </message>
    <message>
        <source>Print Alignment Sheet</source>
        <translation>Imprimir hoja de alineación</translation>
    </message>
    <message>
        <source>Unable to print the alignment sheet.</source>
        <translation>No se pudo imprimir la hoja de alineación.</translation>
    </message>
    <message>
        <source>&amp;Undo Void</source>
        <translation>Des&amp;hacer anulación</translation>
    </message>
    <message>
        <source>&amp;Redo Void</source>
        <translation>&amp;Rehacer anulación</translation>
    </message>
</context>
<context>
    <name>CliCheck</name>
    <message>
        <source>note: written with another version of %1; every mark still matches a record</source>
        <translation>nota: escrito con otra versión de %1; cada marca sigue correspondiendo a un registro</translation>
    </message>
    <message>
        <source>cannot read %1: not a regular file</source>
        <translation>no se puede leer %1: no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot read %1: no access</source>
        <translation>no se puede leer %1: sin acceso</translation>
    </message>
    <message>
        <source>cannot read %1: no such file</source>
        <translation>no se puede leer %1: el archivo no existe</translation>
    </message>
    <message>
        <source>note: the file goes on past %1 bytes, the most a ledger can hold; the rest is not read</source>
        <translation>nota: el archivo supera los %1 bytes, lo máximo que puede contener un libro; el resto no se lee</translation>
    </message>
    <message>
        <source>header: </source>
        <translation>cabecera: </translation>
    </message>
    <message>
        <source>record %1: </source>
        <translation>registro %1: </translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>note: 1 unsaved change from %1 wait in a recovery journal; open the ledger in Tallix to recover or discard them</source>
        <translation>nota: 1 cambio sin guardar del %1 espera en un diario de recuperación; abra el libro en Tallix para recuperarlo o descartarlo</translation>
    </message>
    <message>
        <source>note: %1 unsaved changes from %2 wait in a recovery journal; open the ledger in Tallix to recover or discard them</source>
        <translation>nota: %1 cambios sin guardar del %2 esperan en un diario de recuperación; abra el libro en Tallix para recuperarlos o descartarlos</translation>
    </message>
    <message>
        <source>note: the recovery journal %1 holds changes of another ledger (%2); Tallix keeps it aside and never applies them</source>
        <translation>nota: el diario de recuperación %1 contiene cambios de otro libro (%2); Tallix lo aparta y nunca los aplica</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 error</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 errores</translation>
    </message>
    <message>
        <source>note: cannot be used: %1; Tallix opens the ledger without its cleared marks, schedules and categories and leaves this file as it is</source>
        <translation>nota: no se puede usar: %1; Tallix abre el libro sin sus marcas de punteo, sus movimientos programados ni sus categorías y deja este archivo como está</translation>
    </message>
    <message>
        <source>note: written with another version of %1; %2 of its cleared marks, %3 of its bank transaction ids, %4 of its checks&apos; memos or addresses and %5 of its transactions&apos; categories match no record and would be dropped</source>
        <translation>nota: escrito con otra versión de %1; %2 de sus marcas de punteo, %3 de sus identificadores bancarios de movimiento, %4 de sus notas o direcciones de cheques y %5 de sus categorías de movimientos no corresponden a ningún registro y se descartarían</translation>
    </message>
</context>
<context>
    <name>CliForecast</name>
    <message>
        <source>Usage: tallix-cli forecast LEDGER [--days N]</source>
        <translation>Uso: tallix-cli forecast LEDGER [--days N]</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Pruebe «tallix-cli --help» para más información.</translation>
    </message>
    <message>
        <source>forecast needs exactly one FILE</source>
        <translation>forecast necesita exactamente un FILE</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1 to %1</source>
        <translation>--days admite un número de días de 1 a %1</translation>
    </message>
    <message>
        <source>due</source>
        <comment>an overdue scheduled transaction</comment>
        <translation>vencido</translation>
    </message>
    <message>
        <source>Today (%1): %2  Lowest: %3 on %4</source>
        <translation>Hoy (%1): %2  Mínimo: %3 el %4</translation>
    </message>
</context>
<context>
    <name>CliImport</name>
    <message>
        <source>Usage: tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]
                         [CSV columns]
  or:  tallix-cli balance LEDGER --date D
  or:  tallix-cli reconcile LEDGER --date D --balance B</source>
        <translation>Uso: tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]
                       [columnas CSV]
  o: tallix-cli balance LEDGER --date D
  o: tallix-cli reconcile LEDGER --date D --balance B</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Pruebe «tallix-cli --help» para más información.</translation>
    </message>
    <message>
        <source>%1: no account %2; it holds %3 accounts; choose one with --account ID:</source>
        <translation>%1: no hay ninguna cuenta %2; el archivo contiene %3 cuentas; elija una con --account ID:</translation>
    </message>
    <message>
        <source>%1: it holds %2 accounts; choose one with --account ID:</source>
        <translation>%1: el archivo contiene %2 cuentas; elija una con --account ID:</translation>
    </message>
    <message>
        <source>1 transaction</source>
        <translation>1 movimiento</translation>
    </message>
    <message>
        <source>%1 transactions</source>
        <translation>%1 movimientos</translation>
    </message>
    <message>
        <source>%1: not imported: %2 cannot be used (%3), so the ledger&apos;s cleared marks and bank transaction ids are not known; move that file aside or put a sound copy in its place, then import again</source>
        <translation>%1: no importado: %2 no se puede usar (%3), así que no se conocen las marcas de punteo ni los identificadores bancarios de movimiento del libro; aparte ese archivo o ponga en su lugar una copia en buen estado y vuelva a importar</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>%1 added, %2 marked cleared, %3 skipped, %4 refused (dry run: nothing written)</source>
        <translation>añadidos: %1, marcados como punteados: %2, omitidos: %3, rechazados: %4 (simulación: no se escribió nada)</translation>
    </message>
    <message>
        <source>%1 added, %2 marked cleared, %3 skipped, %4 refused</source>
        <translation>añadidos: %1, marcados como punteados: %2, omitidos: %3, rechazados: %4</translation>
    </message>
    <message>
        <source>%1 is being changed by another tallix-cli (%2); try again once it is done</source>
        <translation>otro tallix-cli está modificando %1 (%2); vuelva a intentarlo cuando termine</translation>
    </message>
    <message>
        <source>%1 is open in Tallix (%2); import the statement there, with File &gt; Import..., instead</source>
        <translation>%1 está abierto en Tallix (%2); importe el extracto allí, con Archivo &gt; Importar...</translation>
    </message>
    <message>
        <source>cannot import into %1: no lock file can be made in %2 (%3), and without one Tallix could change the ledger at the same time; nothing was changed</source>
        <translation>no se puede importar en %1: no se puede crear un archivo de bloqueo en %2 (%3), y sin él Tallix podría modificar el libro al mismo tiempo; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>1 unsaved change from %1 wait</source>
        <translation>1 cambio sin guardar del %1 espera</translation>
    </message>
    <message>
        <source>%1 unsaved changes from %2 wait</source>
        <translation>%1 cambios sin guardar del %2 esperan</translation>
    </message>
    <message>
        <source>open the ledger in Tallix to recover or discard them</source>
        <translation>abra el libro en Tallix para recuperarlos o descartarlos</translation>
    </message>
    <message>
        <source>unsaved changes that cannot be read (%1) wait</source>
        <translation>esperan cambios sin guardar que no se pueden leer (%1)</translation>
    </message>
    <message>
        <source>open the ledger in Tallix, which keeps them aside</source>
        <translation>abra el libro en Tallix, que los aparta</translation>
    </message>
    <message>
        <source>note: %1: %2 in the recovery journal %3; %4; until then the import is refused</source>
        <translation>nota: %1: %2 en el diario de recuperación %3; %4; hasta entonces se rechaza la importación</translation>
    </message>
    <message>
        <source>%1: %2 in the recovery journal %3; %4, then import the statement; nothing was changed</source>
        <translation>%1: %2 en el diario de recuperación %3; %4 y luego importe el extracto; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>balance needs a FILE and --date D</source>
        <translation>balance necesita un FILE y --date D</translation>
    </message>
    <message>
        <source>not a date: &apos;%1&apos;</source>
        <translation>no es una fecha: «%1»</translation>
    </message>
    <message>
        <source>reconcile needs a FILE, --date D and --balance B</source>
        <translation>reconcile necesita un FILE, --date D y --balance B</translation>
    </message>
    <message>
        <source>not an amount: &apos;%1&apos;</source>
        <translation>no es un importe: «%1»</translation>
    </message>
    <message>
        <source>Cleared balance on %1: %2</source>
        <translation>Saldo punteado al %1: %2</translation>
    </message>
    <message>
        <source>Statement: %1</source>
        <translation>Extracto: %1</translation>
    </message>
    <message>
        <source>Difference: %1</source>
        <translation>Diferencia: %1</translation>
    </message>
    <message>
        <source>Outstanding: %1 out (%2), %3 in (%4)</source>
        <translation>Pendiente: salidas %1 (%2), entradas %3 (%4)</translation>
    </message>
    <message>
        <source>--%1 needs a column number from 1</source>
        <translation>--%1 necesita un número de columna a partir de 1</translation>
    </message>
    <message>
        <source>--payee-col needs a column number from 1, or two separated by a comma</source>
        <translation>--payee-col necesita un número de columna a partir de 1, o dos separados por una coma</translation>
    </message>
    <message>
        <source>--header takes yes or no</source>
        <translation>--header admite yes o no</translation>
    </message>
    <message>
        <source>--date-order takes mdy, dmy or ymd</source>
        <translation>--date-order admite mdy, dmy o ymd</translation>
    </message>
    <message>
        <source>--decimal takes . or ,</source>
        <translation>--decimal admite . o ,</translation>
    </message>
    <message>
        <source>import needs a LEDGER and a STATEMENT</source>
        <translation>import necesita un LEDGER y un STATEMENT</translation>
    </message>
    <message>
        <source>--format takes qif, csv or ofx</source>
        <translation>--format admite qif, csv u ofx</translation>
    </message>
    <message>
        <source>warning: the columns could not be remembered in the settings</source>
        <translation>aviso: no se pudieron recordar las columnas en los ajustes</translation>
    </message>
</context>
<context>
    <name>CliReport</name>
    <message>
        <source>Usage: tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]</source>
        <translation>Uso: tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Pruebe «tallix-cli --help» para más información.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Income by category</source>
        <translation>Ingresos por categoría</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(sin categoría)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Previous income</source>
        <translation>Ingresos anteriores</translation>
    </message>
    <message>
        <source>Previous spending</source>
        <translation>Gastos anteriores</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>%1 (previous: %2)</source>
        <translation>%1 (anterior: %2)</translation>
    </message>
    <message>
        <source>report needs exactly one LEDGER</source>
        <translation>report necesita exactamente un LEDGER</translation>
    </message>
    <message>
        <source>report needs --by category, --by payee or --by month</source>
        <translation>report necesita --by category, --by payee o --by month</translation>
    </message>
    <message>
        <source>not a date: &apos;%1&apos;</source>
        <translation>no es una fecha: «%1»</translation>
    </message>
    <message>
        <source>--from must not be after --to</source>
        <translation>--from no puede ser posterior a --to</translation>
    </message>
</context>
<context>
    <name>Companion</name>
    <message>
        <source>it belongs to another ledger: none of its records is in this one</source>
        <translation>pertenece a otro libro: ninguno de sus registros está en este</translation>
    </message>
    <message>
        <source>it is damaged (a split does not add up to its transaction&apos;s amount)</source>
        <translation>está dañado (una división no suma el importe de su movimiento)</translation>
    </message>
    <message>
        <source>%1; it was left as it is. Move it aside to save the cleared marks, schedules and categories.</source>
        <translation>%1; se ha dejado como estaba. Apártelo para guardar las marcas de punteo, los movimientos programados y las categorías.</translation>
    </message>
</context>
<context>
    <name>CompanionFile</name>
    <message>
        <source>a bank transaction id is longer than 255 characters</source>
        <translation>un identificador bancario de movimiento tiene más de 255 caracteres</translation>
    </message>
    <message>
        <source>it is not a file of cleared marks written by Tallix</source>
        <translation>no es un archivo de marcas de punteo escrito por Tallix</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>está dañado (%1)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Tallix</source>
        <translation>lo escribió una versión más reciente de Tallix</translation>
    </message>
    <message>
        <source>a statement&apos;s date or ending balance is out of range</source>
        <translation>la fecha o el saldo final de un extracto está fuera de rango</translation>
    </message>
    <message>
        <source>a deleted record&apos;s bank transaction id is empty</source>
        <translation>el identificador bancario de movimiento de un registro eliminado está vacío</translation>
    </message>
    <message>
        <source>a scheduled transaction is not one Tallix can keep</source>
        <translation>un movimiento programado no es de los que Tallix puede guardar</translation>
    </message>
    <message>
        <source>a check&apos;s memo or address is too long</source>
        <translation>la nota o la dirección de un cheque es demasiado larga</translation>
    </message>
    <message>
        <source>a transaction&apos;s category or split is not one Tallix can keep</source>
        <translation>una categoría o división de un movimiento no es de las que Tallix puede guardar</translation>
    </message>
    <message>
        <source>the list of categories or an import rule is not one Tallix can keep</source>
        <translation>la lista de categorías o una regla de importación no es de las que Tallix puede guardar</translation>
    </message>
</context>
<context>
    <name>CsvGuess</name>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
    <message>
        <source>no line of it has columns: not a CSV statement</source>
        <translation>ninguna línea tiene columnas: no es un extracto CSV</translation>
    </message>
</context>
<context>
    <name>CsvMappingDialog</name>
    <message>
        <source>%1  skipped: %2</source>
        <translation>%1  omitida: %2</translation>
    </message>
    <message>
        <source>Statement Columns</source>
        <translation>Columnas del extracto</translation>
    </message>
    <message>
        <source>First row holds column &amp;names</source>
        <translation>La primera fila contiene los &amp;nombres de columna</translation>
    </message>
    <message>
        <source>Month Day Year</source>
        <translation>Mes Día Año</translation>
    </message>
    <message>
        <source>Day Month Year</source>
        <translation>Día Mes Año</translation>
    </message>
    <message>
        <source>Year Month Day</source>
        <translation>Año Mes Día</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Punto (1,234.56)</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Coma (1.234,56)</translation>
    </message>
    <message>
        <source>&amp;Date column:</source>
        <translation>Columna de &amp;fecha:</translation>
    </message>
    <message>
        <source>Date &amp;order:</source>
        <translation>&amp;Orden de fecha:</translation>
    </message>
    <message>
        <source>&amp;Amount column:</source>
        <translation>Columna de &amp;importe:</translation>
    </message>
    <message>
        <source>with Debit/credit &amp;words in column:</source>
        <translation>con &amp;palabras de cargo/abono en la columna:</translation>
    </message>
    <message>
        <source>or D&amp;ebit column:</source>
        <translation>o columna de &amp;cargo:</translation>
    </message>
    <message>
        <source>and C&amp;redit column:</source>
        <translation>y columna de a&amp;bono:</translation>
    </message>
    <message>
        <source>&amp;Payee column:</source>
        <translation>Columna de benefici&amp;ario:</translation>
    </message>
    <message>
        <source>and second pa&amp;yee column:</source>
        <translation>y segunda columna de beneficia&amp;rio:</translation>
    </message>
    <message>
        <source>C&amp;heck number column:</source>
        <translation>Columna de número de c&amp;heque:</translation>
    </message>
    <message>
        <source>&amp;Type column:</source>
        <translation>Columna de &amp;tipo:</translation>
    </message>
    <message>
        <source>Stat&amp;us column (pending rows are skipped):</source>
        <translation>Columna de &amp;estado (se omiten las filas pendientes):</translation>
    </message>
    <message>
        <source>Decimal &amp;separator:</source>
        <translation>&amp;Separador decimal:</translation>
    </message>
    <message>
        <source>Which column of the statement holds what?</source>
        <translation>¿Qué columna del extracto contiene qué?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>column number: its name</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1 (%2)</source>
        <translation>Columna %1 (%2)</translation>
    </message>
    <message>
        <source>First lines as read:
%1</source>
        <translation>Primeras líneas tal como se leen:
%1</translation>
    </message>
    <message>
        <source>These columns cannot be read: %1</source>
        <translation>Estas columnas no se pueden leer: %1</translation>
    </message>
    <message>
        <source>Cate&amp;gory column:</source>
        <translation>Columna de cate&amp;goría:</translation>
    </message>
    <message>
        <source>Sp&amp;lit column (as Tallix exports it):</source>
        <translation>Columna de &amp;división (como la exporta Tallix):</translation>
    </message>
</context>
<context>
    <name>CsvStatement</name>
    <message>
        <source>Dates read month first, as chosen.</source>
        <translation>Fechas leídas con el mes primero, según lo elegido.</translation>
    </message>
    <message>
        <source>Dates read day first, as chosen.</source>
        <translation>Fechas leídas con el día primero, según lo elegido.</translation>
    </message>
    <message>
        <source>Dates read year first, as chosen.</source>
        <translation>Fechas leídas con el año primero, según lo elegido.</translation>
    </message>
    <message>
        <source>Dates read month first, as the locale writes dates: no date in the statement tells.</source>
        <translation>Fechas leídas con el mes primero, como las escribe la configuración regional: ninguna fecha del extracto lo indica.</translation>
    </message>
    <message>
        <source>Dates read day first, as the locale writes dates: no date in the statement tells.</source>
        <translation>Fechas leídas con el día primero, como las escribe la configuración regional: ninguna fecha del extracto lo indica.</translation>
    </message>
    <message>
        <source>Dates read year first, as the locale writes dates: no date in the statement tells.</source>
        <translation>Fechas leídas con el año primero, como las escribe la configuración regional: ninguna fecha del extracto lo indica.</translation>
    </message>
    <message>
        <source>Dates read day first (%1 has no month %2).</source>
        <translation>Fechas leídas con el día primero (%1 no tiene mes %2).</translation>
    </message>
    <message>
        <source>Dates read day first, as dates written with dots are (%1).</source>
        <translation>Fechas leídas con el día primero, como las fechas escritas con puntos (%1).</translation>
    </message>
    <message>
        <source>Dates read month first (%1 has no month %2).</source>
        <translation>Fechas leídas con el mes primero (%1 no tiene mes %2).</translation>
    </message>
    <message>
        <source>1 line before the table skipped.</source>
        <translation>Se omitió 1 línea antes de la tabla.</translation>
    </message>
    <message>
        <source>%1 lines before the table skipped.</source>
        <translation>Se omitieron %1 líneas antes de la tabla.</translation>
    </message>
    <message>
        <source>1 line after the table skipped.</source>
        <translation>Se omitió 1 línea después de la tabla.</translation>
    </message>
    <message>
        <source>%1 lines after the table skipped.</source>
        <translation>Se omitieron %1 líneas después de la tabla.</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>un campo entre comillas no se cierra nunca</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>no hay fila de encabezado</translation>
    </message>
    <message>
        <source>no date column chosen</source>
        <translation>no se eligió ninguna columna de fecha</translation>
    </message>
    <message>
        <source>no amount, debit or credit column chosen</source>
        <translation>no se eligió ninguna columna de importe, cargo o abono</translation>
    </message>
    <message>
        <source>the header has no column %1</source>
        <translation>el encabezado no tiene columna %1</translation>
    </message>
    <message>
        <source>the first row has no column %1</source>
        <translation>la primera fila no tiene columna %1</translation>
    </message>
    <message>
        <source>the amounts use both &apos;.&apos; and &apos;,&apos; before their cents: say which is the decimal separator</source>
        <translation>los importes usan tanto &apos;.&apos; como &apos;,&apos; antes de los céntimos: indique cuál es el separador decimal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the direction column says neither debit nor credit; the words known are %2</source>
        <translation>«%1» en la columna de sentido no indica ni cargo ni abono; las palabras conocidas son %2</translation>
    </message>
    <message>
        <source>not a date: %1</source>
        <translation>no es una fecha: %1</translation>
    </message>
    <message>
        <source>not an amount: %1</source>
        <translation>no es un importe: %1</translation>
    </message>
    <message>
        <source>pending at the bank (%1)</source>
        <translation>pendiente en el banco (%1)</translation>
    </message>
    <message>
        <source>no amount</source>
        <translation>sin importe</translation>
    </message>
    <message>
        <source>not in the form CATEGORY=AMOUNT|CATEGORY=AMOUNT</source>
        <translation>no tiene la forma CATEGORÍA=IMPORTE|CATEGORÍA=IMPORTE</translation>
    </message>
    <message>
        <source>more than %1 parts</source>
        <translation>más de %1 partes</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>Associate &quot;.TLX&quot; files with this application?</source>
        <translation>¿Asociar los archivos «.TLX» con esta aplicación?</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>Lowest: %1 on %2</source>
        <translation>Mínimo: %1 el %2</translation>
    </message>
    <message>
        <source>%1 scheduled due</source>
        <translation>Programados que vencen: %1</translation>
    </message>
    <message>
        <source>Today&apos;s balance: %1</source>
        <translation>Saldo de hoy: %1</translation>
    </message>
    <message>
        <source>%1 (forecast cut)</source>
        <translation>%1 (previsión recortada)</translation>
    </message>
    <message>
        <source>Overdue scheduled transactions before %1 are left out: edit the schedules that start before then.</source>
        <translation>Se omiten los movimientos programados vencidos antes del %1: edite los movimientos programados que empiezan antes de esa fecha.</translation>
    </message>
    <message>
        <source>More than %1 scheduled transactions fall due: those from %2 on are left out.</source>
        <translation>Vencen más de %1 movimientos programados: se omiten los que vencen a partir del %2.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>check number %1 is beyond %2</source>
        <translation>el número de cheque %1 supera %2</translation>
    </message>
    <message>
        <source>dated on or before the lock date %1</source>
        <translation>con fecha igual o anterior a la fecha de bloqueo %1</translation>
    </message>
    <message>
        <source>amount beyond %1</source>
        <translation>importe superior a %1</translation>
    </message>
    <message>
        <source>a date or amount the ledger cannot keep</source>
        <translation>una fecha o un importe que el libro no puede guardar</translation>
    </message>
    <message>
        <source>the ledger is full</source>
        <translation>el libro está lleno</translation>
    </message>
    <message>
        <source>the ledger has room for %1 more transactions, not %2</source>
        <translation>el libro tiene espacio para %1 movimientos más, no para %2</translation>
    </message>
    <message>
        <source>The statement opens with a balance of %1, this ledger with a starting balance of %2: change it in the settings for the balances to agree.</source>
        <translation>El extracto comienza con un saldo de %1 y este libro con un saldo inicial de %2: cámbielo en los ajustes para que los saldos coincidan.</translation>
    </message>
    <message>
        <source>added as Withdrawal</source>
        <translation>añadido como retiro</translation>
    </message>
    <message>
        <source>added as Fee</source>
        <translation>añadido como comisión</translation>
    </message>
    <message>
        <source>added as Deposit</source>
        <translation>añadido como depósito</translation>
    </message>
    <message>
        <source>added as Interest</source>
        <translation>añadido como intereses</translation>
    </message>
    <message>
        <source>added as Check %1</source>
        <translation>añadido como cheque %1</translation>
    </message>
    <message>
        <source>added as Payment</source>
        <translation>añadido como pago</translation>
    </message>
    <message>
        <source>%1: enters scheduled %2 of %3</source>
        <comment>added as Payment: enters scheduled Rent of 12/1/2026</comment>
        <translation>%1: anota el movimiento programado %2 del %3</translation>
    </message>
    <message>
        <source>matches %1: marks it cleared</source>
        <translation>coincide con %1: lo marca como punteado</translation>
    </message>
    <message>
        <source>skipped, deleted earlier</source>
        <translation>omitido, eliminado anteriormente</translation>
    </message>
    <message>
        <source>skipped, duplicate of %1</source>
        <translation>omitido, duplicado de %1</translation>
    </message>
    <message>
        <source>skipped, repeats statement line %1</source>
        <translation>omitido, repite la línea %1 del extracto</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>omitido: %1</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>rechazado: %1</translation>
    </message>
    <message>
        <source>%1, split: %2</source>
        <comment>added as Check 1201, split: Food:Groceries 120.00, Household 67.34</comment>
        <translation>%1, dividido: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>added as Payment, Food:Groceries</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no category</source>
        <translation>sin categoría</translation>
    </message>
</context>
<context>
    <name>ImportPreview</name>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>Statement lines</source>
        <translation>Líneas del extracto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Check #</source>
        <translation>N.º de cheque</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Qué ocurre</translation>
    </message>
    <message>
        <source>Cut to %1 characters; the statement says: %2</source>
        <translation>Recortado a %1 caracteres; el extracto dice: %2</translation>
    </message>
    <message>
        <source>The statement says: %1</source>
        <translation>El extracto dice: %1</translation>
    </message>
    <message>
        <source>, %1 to skip for the reasons shown</source>
        <translation>, %1 para omitir por los motivos indicados</translation>
    </message>
    <message>
        <source>%1 to add, %2 to mark cleared, %3 to skip as duplicates%4, %5 refused</source>
        <translation>%1 para añadir, %2 para marcar como punteados, %3 duplicados para omitir%4, %5 rechazados</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Add as Withdrawal</source>
        <translation>Añadir como retiro</translation>
    </message>
    <message>
        <source>Add as Fee</source>
        <translation>Añadir como comisión</translation>
    </message>
    <message>
        <source>Add as Deposit</source>
        <translation>Añadir como depósito</translation>
    </message>
    <message>
        <source>Add as Interest</source>
        <translation>Añadir como intereses</translation>
    </message>
    <message>
        <source>Add as Check</source>
        <translation>Añadir como cheque</translation>
    </message>
    <message>
        <source>Add as Payment</source>
        <translation>Añadir como pago</translation>
    </message>
    <message>
        <source>Enters scheduled: %1 on %2</source>
        <translation>Anota el movimiento programado: %1 el %2</translation>
    </message>
    <message>
        <source>Matches %1: marks it cleared</source>
        <translation>Coincide con %1: lo marca como punteado</translation>
    </message>
    <message>
        <source>Skip: deleted earlier</source>
        <translation>Omitir: eliminado anteriormente</translation>
    </message>
    <message>
        <source>Skip: duplicate of %1</source>
        <translation>Omitir: duplicado de %1</translation>
    </message>
    <message>
        <source>Skip: repeats row %1</source>
        <translation>Omitir: repite la fila %1</translation>
    </message>
    <message>
        <source>Skip: %1</source>
        <translation>Omitir: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Rechazado: %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Make a &amp;Rule...</source>
        <translation>Crear una &amp;regla...</translation>
    </message>
    <message>
        <source>Split as the statement says: %1</source>
        <translation>Dividido como indica el extracto: %1</translation>
    </message>
    <message>
        <source>As the statement says</source>
        <translation>Como indica el extracto</translation>
    </message>
    <message>
        <source>By the rule for descriptions that contain &quot;%1&quot;</source>
        <translation>Según la regla para descripciones que contienen «%1»</translation>
    </message>
    <message>
        <source>As the payee&apos;s last transaction</source>
        <translation>Como el último movimiento del beneficiario</translation>
    </message>
    <message>
        <source>(split)</source>
        <translation>(dividido)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; → %2</source>
        <comment>description contains TEXT: CATEGORY</comment>
        <translation>«%1» → %2</translation>
    </message>
    <message>
        <source>Rules kept with the import: %1</source>
        <translation>Reglas que se guardan con la importación: %1</translation>
    </message>
</context>
<context>
    <name>ImportSequence</name>
    <message>
        <source>Account %1 has no transactions in this statement.</source>
        <translation>La cuenta %1 no tiene movimientos en este extracto.</translation>
    </message>
</context>
<context>
    <name>JournalFormat</name>
    <message>
        <source>not a recovery journal</source>
        <translation>no es un diario de recuperación</translation>
    </message>
    <message>
        <source>a journal of version %1, which this version of Tallix cannot read</source>
        <translation>un diario de la versión %1, que esta versión de Tallix no puede leer</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>su cabecera está dañada</translation>
    </message>
</context>
<context>
    <name>LedgerCheck</name>
    <message>
        <source>the lock date %1 is not a date from 1/1/100 to 12/31/9999</source>
        <translation>la fecha de bloqueo %1 no es una fecha del 1/1/100 al 31/12/9999</translation>
    </message>
    <message>
        <source>date %1 is not a date from 1/1/100 to 12/31/9999</source>
        <translation>la fecha %1 no es una fecha del 1/1/100 al 31/12/9999</translation>
    </message>
    <message>
        <source>the lock date %1 carries a time of day</source>
        <translation>la fecha de bloqueo %1 lleva una hora</translation>
    </message>
    <message>
        <source>date %1 carries a time of day</source>
        <translation>la fecha %1 lleva una hora</translation>
    </message>
    <message>
        <source>the starting balance %1 is not an amount of at most %2 either way</source>
        <translation>el saldo inicial %1 no es un importe de como máximo %2 en un sentido u otro</translation>
    </message>
    <message>
        <source>amount %1 is not an amount of at most %2 either way</source>
        <translation>el importe %1 no es un importe de como máximo %2 en un sentido u otro</translation>
    </message>
    <message>
        <source>check %1 appears %2 times (records %3)</source>
        <translation>el cheque %1 aparece %2 veces (registros %3)</translation>
    </message>
    <message>
        <source>check %1 is missing</source>
        <translation>falta el cheque %1</translation>
    </message>
    <message>
        <source>checks %1 to %2 are missing</source>
        <translation>faltan los cheques %1 a %2</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, shorter than its 64-byte header</source>
        <translation>el archivo tiene %1 bytes, menos que su cabecera de 64 bytes</translation>
    </message>
    <message>
        <source>the header text is not &quot;CHECK DATA HEADER&quot;</source>
        <translation>el texto de la cabecera no es «CHECK DATA HEADER»</translation>
    </message>
    <message>
        <source>the record count %1 is below 1</source>
        <translation>el número de registros %1 es menor que 1</translation>
    </message>
    <message>
        <source>the next check number %1 is negative</source>
        <translation>el siguiente número de cheque %1 es negativo</translation>
    </message>
    <message>
        <source>the header counts %1 records but the file holds %2</source>
        <translation>la cabecera cuenta %1 registros pero el archivo contiene %2</translation>
    </message>
    <message>
        <source>%1 bytes follow the last counted record and are never read</source>
        <translation>%1 bytes siguen al último registro contado y nunca se leen</translation>
    </message>
    <message>
        <source>type code %1 is not 0 to 4</source>
        <translation>el código de tipo %1 no está entre 0 y 4</translation>
    </message>
    <message>
        <source>check number %1 is neither 1 or more (a check) nor -1 (a payment)</source>
        <translation>el número de cheque %1 no es ni 1 o mayor (un cheque) ni -1 (un pago)</translation>
    </message>
    <message>
        <source>check number %1 on a record of type %2, which usually carries 0</source>
        <translation>número de cheque %1 en un registro de tipo %2, que normalmente lleva 0</translation>
    </message>
    <message>
        <source>amount %1 carries a sign; the type tells debits from credits</source>
        <translation>el importe %1 lleva signo; el tipo distingue cargos de abonos</translation>
    </message>
    <message>
        <source>locked flag %1 is neither 0 nor -1; it reads as locked</source>
        <translation>el indicador de bloqueo %1 no es ni 0 ni -1; se lee como bloqueado</translation>
    </message>
    <message>
        <source>the description holds control characters: &quot;%1&quot;</source>
        <translation>la descripción contiene caracteres de control: «%1»</translation>
    </message>
</context>
<context>
    <name>LedgerFile</name>
    <message>
        <source>Error opening file</source>
        <translation>Error al abrir el archivo</translation>
    </message>
    <message>
        <source>Unknown file type</source>
        <translation>Tipo de archivo desconocido</translation>
    </message>
    <message>
        <source>Unable to save file:</source>
        <translation>No se puede guardar el archivo:</translation>
    </message>
    <message>
        <source>It changed on disk since it was read.</source>
        <translation>Ha cambiado en el disco desde que se leyó.</translation>
    </message>
    <message>
        <source>It is open in another copy of Tallix: %1.</source>
        <translation>Está abierto en otra instancia de Tallix: %1.</translation>
    </message>
    <message>
        <source>1 cleared mark</source>
        <translation>1 marca de punteo</translation>
    </message>
    <message>
        <source>%1 cleared marks</source>
        <translation>%1 marcas de punteo</translation>
    </message>
    <message>
        <source>1 bank transaction id</source>
        <translation>1 identificador bancario de movimiento</translation>
    </message>
    <message>
        <source>%1 bank transaction ids</source>
        <translation>%1 identificadores bancarios de movimiento</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 of %2 could not be matched to its records and was dropped.</source>
        <translation>No se pudo asociar %1 de %2 a sus registros y se descartó.</translation>
    </message>
    <message>
        <source>%1 of %2 could not be matched to its records and were dropped.</source>
        <translation>No se pudieron asociar %1 de %2 a sus registros y se descartaron.</translation>
    </message>
    <message>
        <source>it was not there when the ledger was opened</source>
        <translation>no existía cuando se abrió el libro</translation>
    </message>
    <message>
        <source>1 check&apos;s memo or address</source>
        <translation>1 nota o dirección de cheque</translation>
    </message>
    <message>
        <source>%1 checks&apos; memos or addresses</source>
        <translation>%1 notas o direcciones de cheques</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 y %3</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The ledger opens without its cleared marks, schedules and categories, and saving leaves that file as it is; move it aside to save new ones.</source>
        <translation>%1 no se puede usar: %2. El libro se abre sin sus marcas de punteo, sus movimientos programados ni sus categorías, y al guardar ese archivo se deja como está; apártelo para guardar los nuevos.</translation>
    </message>
    <message>
        <source>1 transaction&apos;s category</source>
        <translation>1 categoría de un movimiento</translation>
    </message>
    <message>
        <source>%1 transactions&apos; categories</source>
        <translation>%1 categorías de movimientos</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <translation>%1, %2, %3 y %4</translation>
    </message>
</context>
<context>
    <name>LedgerHold</name>
    <message>
        <source>a copy that did not say who it is, since %1</source>
        <translation>una instancia que no dijo quién es, desde el %1</translation>
    </message>
    <message>
        <source>%1 on %2 (process %3) since %4</source>
        <translation>%1 en %2 (proceso %3) desde el %4</translation>
    </message>
    <message>
        <source>someone</source>
        <translation>alguien</translation>
    </message>
</context>
<context>
    <name>LedgerRecovery</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Unsaved changes cannot be kept for recovery after a crash:</source>
        <translation>Los cambios sin guardar no se pueden conservar para recuperarlos tras un fallo:</translation>
    </message>
    <message>
        <source>Save the ledger to keep them.</source>
        <translation>Guarde el libro para conservarlos.</translation>
    </message>
    <message>
        <source>The recovery journal %1 cannot be removed: %2.</source>
        <translation>No se puede eliminar el diario de recuperación %1: %2.</translation>
    </message>
    <message>
        <source>The next time this ledger is opened, Tallix may offer its changes again although they were saved or discarded; discard them then.</source>
        <translation>La próxima vez que se abra este libro, Tallix puede volver a ofrecer sus cambios aunque ya se guardaron o descartaron; descártelos entonces.</translation>
    </message>
</context>
<context>
    <name>LedgerRules</name>
    <message>
        <source>Date must be greater than %1</source>
        <translation>La fecha debe ser posterior al %1</translation>
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
    <name>OfxStatement</name>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list: 9100, 9200 and 9300</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>no &lt;OFX&gt; element: not an OFX file</source>
        <translation>no hay elemento &lt;OFX&gt;: no es un archivo OFX</translation>
    </message>
    <message>
        <source>a tag is never closed with &apos;&gt;&apos;</source>
        <translation>una etiqueta no se cierra nunca con &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>&lt;STMTTRN&gt; is never closed</source>
        <translation>&lt;STMTTRN&gt; no se cierra nunca</translation>
    </message>
    <message>
        <source>the file ends before &lt;/OFX&gt;</source>
        <translation>el archivo termina antes de &lt;/OFX&gt;</translation>
    </message>
    <message>
        <source>The file lists account %1 but holds no statement of its transactions.</source>
        <translation>El archivo menciona la cuenta %1, pero no contiene ningún extracto de sus movimientos.</translation>
    </message>
    <message>
        <source>The file lists accounts %1 but holds no statement of their transactions.</source>
        <translation>El archivo menciona las cuentas %1, pero no contiene ningún extracto de sus movimientos.</translation>
    </message>
    <message>
        <source>The statement holds no transactions.</source>
        <translation>El extracto no contiene movimientos.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>&lt;STMTTRN&gt; inside the &lt;STMTTRN&gt; of line %1</source>
        <translation>&lt;STMTTRN&gt; dentro del &lt;STMTTRN&gt; de la línea %1</translation>
    </message>
    <message>
        <source>elements nested deeper than %1</source>
        <translation>elementos anidados en más de %1 niveles</translation>
    </message>
    <message>
        <source>a CDATA section is never closed with &apos;]]&gt;&apos;</source>
        <translation>una sección CDATA no se cierra nunca con &apos;]]&gt;&apos;</translation>
    </message>
    <message>
        <source>the bank answered with error %1; the file holds no statement</source>
        <translation>el banco respondió con el error %1; el archivo no contiene ningún extracto</translation>
    </message>
    <message>
        <source>The bank answered with warning %1</source>
        <translation>El banco respondió con la advertencia %1</translation>
    </message>
    <message>
        <source>&lt;/%1&gt; without &lt;%1&gt;</source>
        <translation>&lt;/%1&gt; sin &lt;%1&gt;</translation>
    </message>
    <message>
        <source>not a date in DTPOSTED: &apos;%1&apos;</source>
        <translation>no es una fecha en DTPOSTED: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the bank gave no amount (null)</source>
        <translation>el banco no indicó ningún importe (null)</translation>
    </message>
    <message>
        <source>not an amount in TRNAMT: &apos;%1&apos;</source>
        <translation>no es un importe en TRNAMT: &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is no longer a pipe or a device</source>
        <translation>ya no es una tubería ni un dispositivo</translation>
    </message>
    <message>
        <source>it is the file being exported</source>
        <translation>es el archivo que se está exportando</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is neither a regular file, a pipe nor a character device</source>
        <translation>no es un archivo normal, ni una tubería, ni un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>it is a Tallix ledger</source>
        <translation>es un libro de Tallix</translation>
    </message>
    <message>
        <source>it cannot be read to see whether it is a ledger</source>
        <translation>no se puede leer para comprobar si es un libro</translation>
    </message>
    <message>
        <source>not a file to write</source>
        <translation>no es un archivo en el que escribir</translation>
    </message>
</context>
<context>
    <name>QifStatement</name>
    <message>
        <source>line %1: the dates are written in both orders: %2 is day first, %3 month first</source>
        <translation>línea %1: las fechas están escritas en ambos órdenes: %2 tiene el día primero, %3 el mes</translation>
    </message>
    <message>
        <source>Dates read day first (%1 has no month %2).</source>
        <translation>Fechas leídas con el día primero (%1 no tiene mes %2).</translation>
    </message>
    <message>
        <source>Dates read month first (%1 has no month %2).</source>
        <translation>Fechas leídas con el mes primero (%1 no tiene mes %2).</translation>
    </message>
    <message>
        <source>Dates read day first, as dates written with dots are (%1).</source>
        <translation>Fechas leídas con el día primero, como las fechas escritas con puntos (%1).</translation>
    </message>
    <message>
        <source>Dates read month first, as QIF usually writes them (%1).</source>
        <translation>Fechas leídas con el mes primero, como suele escribirlas QIF (%1).</translation>
    </message>
    <message>
        <source>transaction without a date (D)</source>
        <translation>movimiento sin fecha (D)</translation>
    </message>
    <message>
        <source>transaction without an amount (T)</source>
        <translation>movimiento sin importe (T)</translation>
    </message>
    <message>
        <source>%1 is no bank, cash or credit card account</source>
        <translation>%1 no es una cuenta bancaria, de efectivo ni de tarjeta de crédito</translation>
    </message>
    <message>
        <source>unknown header %1</source>
        <translation>encabezado desconocido %1</translation>
    </message>
    <message>
        <source>no !Type:Bank, !Type:Cash or !Type:CCard line before the transactions</source>
        <translation>no hay ninguna línea !Type:Bank, !Type:Cash o !Type:CCard antes de los movimientos</translation>
    </message>
    <message>
        <source>not a date: %1</source>
        <translation>no es una fecha: %1</translation>
    </message>
    <message>
        <source>not an amount: %1</source>
        <translation>no es un importe: %1</translation>
    </message>
    <message>
        <source>The file holds no bank, cash or credit card transactions.</source>
        <translation>El archivo no contiene movimientos bancarios, de efectivo ni de tarjeta de crédito.</translation>
    </message>
    <message>
        <source>more than %1 parts</source>
        <translation>más de %1 partes</translation>
    </message>
</context>
<context>
    <name>RegisterCells</name>
    <message>
        <source>Check #</source>
        <translation>N.º de cheque</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Description of Transaction</source>
        <translation>Descripción del movimiento</translation>
    </message>
    <message>
        <source>Payment/Debit</source>
        <translation>Pago/Cargo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Deposit/Credit</source>
        <translation>Depósito/Abono</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>(split)</source>
        <translation>(dividido)</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(sin categoría)</translation>
    </message>
</context>
<context>
    <name>RegisterGrid</name>
    <message>
        <source>Delete this record?</source>
        <translation>¿Eliminar este movimiento?</translation>
    </message>
    <message>
        <source>Void check %1 to %2, dated %3? Its amount becomes %4; its number and date stay.</source>
        <translation>¿Anular el cheque %1 a %2 del %3? Su importe pasa a ser %4; su número y su fecha se mantienen.</translation>
    </message>
    <message>
        <source>%1 is split into parts, and its amount changes from %2 to %3. How should the parts change?</source>
        <translation>%1 está dividido en partes y su importe cambia de %2 a %3. ¿Cómo deben cambiar las partes?</translation>
    </message>
    <message>
        <source>Scale in Proportion</source>
        <translation>Ajustar en proporción</translation>
    </message>
    <message>
        <source>Difference to the Last Part</source>
        <translation>Diferencia en la última parte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RegisterPrint</name>
    <message>
        <source>none</source>
        <comment>no lock date</comment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Starting balance: %1    Lock date: %2    Printed: %3</source>
        <translation>Saldo inicial: %1    Fecha de bloqueo: %2    Impreso: %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>RegisterText</name>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Starting balance:   %1
Lock date:          %2
Next check number:  %3
</source>
        <translation>Saldo inicial:               %1
Fecha de bloqueo:            %2
Siguiente número de cheque:  %3
</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Nothing in this period.</source>
        <translation>Nada en este periodo.</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>ReportTables</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Variación</translation>
    </message>
    <message>
        <source>No category</source>
        <translation>Sin categoría</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Previous income</source>
        <translation>Ingresos anteriores</translation>
    </message>
    <message>
        <source>Previous spending</source>
        <translation>Gastos anteriores</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Income by category</source>
        <translation>Ingresos por categoría</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>This period</source>
        <translation>Este periodo</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Periodo anterior</translation>
    </message>
    <message>
        <source>Income and spending by month</source>
        <translation>Ingresos y gastos por mes</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
</context>
<context>
    <name>ReportsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>El mes pasado</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>El año pasado</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>Co&amp;mpare with the previous period</source>
        <translation>&amp;Comparar con el periodo anterior</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barras</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Cha&amp;rt:</source>
        <translation>&amp;Gráfico:</translation>
    </message>
    <message>
        <source>By c&amp;ategory</source>
        <translation>Por ca&amp;tegoría</translation>
    </message>
    <message>
        <source>By m&amp;onth</source>
        <translation>Por &amp;mes</translation>
    </message>
    <message>
        <source>By pa&amp;yee</source>
        <translation>Por &amp;beneficiario</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como PD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>Save C&amp;hart...</source>
        <translation>Guardar g&amp;ráfico...</translation>
    </message>
    <message>
        <source>%1, compared with %2</source>
        <translation>%1, comparado con %2</translation>
    </message>
    <message>
        <source>Income and spending by month</source>
        <translation>Ingresos y gastos por mes</translation>
    </message>
    <message>
        <source>Spending by payee</source>
        <translation>Gastos por beneficiario</translation>
    </message>
    <message>
        <source>Spending and income by category</source>
        <translation>Gastos e ingresos por categoría</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>report: ledger</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir el informe</translation>
    </message>
    <message>
        <source>Unable to print the report.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
    <message>
        <source>nothing could be drawn</source>
        <translation>no se pudo dibujar nada</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>Unable to save the report to %1: %2.</source>
        <translation>No se pudo guardar el informe en %1: %2.</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>Archivo CSV</translation>
    </message>
    <message>
        <source>Unable to export the report to %1: %2.</source>
        <translation>No se pudo exportar el informe a %1: %2.</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>Imagen SVG</translation>
    </message>
    <message>
        <source>Unable to save the chart to %1: %2.</source>
        <translation>No se pudo guardar el gráfico en %1: %2.</translation>
    </message>
</context>
<context>
    <name>RuleDialog</name>
    <message>
        <source>Make a Rule</source>
        <translation>Crear una regla</translation>
    </message>
    <message>
        <source>&amp;Description contains:</source>
        <translation>La &amp;descripción contiene:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>Lines whose description contains the text (ignoring case) take the category, in this import and the next ones.</source>
        <translation>Las líneas cuya descripción contiene el texto (sin distinguir mayúsculas y minúsculas) toman la categoría, en esta importación y en las siguientes.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>Movimiento programado</translation>
    </message>
    <message>
        <source>Amount &amp;varies</source>
        <translation>Importe &amp;variable</translation>
    </message>
    <message>
        <source>by up to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semanas</translation>
    </message>
    <message>
        <source>months</source>
        <translation>meses</translation>
    </message>
    <message>
        <source>On &amp;day</source>
        <translation>El &amp;día</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>&amp;El</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Nunca</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>E&amp;l</translation>
    </message>
    <message>
        <source>&amp;After</source>
        <translation>Tr&amp;as</translation>
    </message>
    <message>
        <source>times</source>
        <translation>veces</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>El mismo día</translation>
    </message>
    <message>
        <source>Move before</source>
        <translation>Adelantar</translation>
    </message>
    <message>
        <source>Move after</source>
        <translation>Aplazar</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>D&amp;escription:</source>
        <translation>Des&amp;cripción:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>&amp;Importe:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>&amp;Repetir cada:</translation>
    </message>
    <message>
        <source>&amp;Starts:</source>
        <translation>E&amp;mpieza:</translation>
    </message>
    <message>
        <source>Ends:</source>
        <translation>Termina:</translation>
    </message>
    <message>
        <source>On a &amp;weekend:</source>
        <translation>En fin de &amp;semana:</translation>
    </message>
    <message>
        <source>ended</source>
        <comment>a schedule with no next date</comment>
        <translation>terminado</translation>
    </message>
    <message>
        <source>none, the schedule ends before it starts</source>
        <translation>ninguna, el movimiento programado termina antes de empezar</translation>
    </message>
    <message>
        <source>%1 (due)</source>
        <comment>a date</comment>
        <translation>%1 (vence)</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next date of a schedule</comment>
        <translation>Próximo: %1</translation>
    </message>
    <message>
        <source>The schedule needs a description.</source>
        <translation>El movimiento programado necesita una descripción.</translation>
    </message>
    <message>
        <source>The amount must be an amount such as %1.</source>
        <translation>El importe debe ser un importe como %1.</translation>
    </message>
    <message>
        <source>The tolerance must be an amount such as %1.</source>
        <translation>La tolerancia debe ser un importe como %1.</translation>
    </message>
    <message>
        <source>The schedule ends before it starts.</source>
        <translation>El movimiento programado termina antes de empezar.</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>%1st</source>
        <comment>ordinal: 1st</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>ordinal: 21st, 31st, 101st...</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <comment>ordinal: 2nd, 22nd, 32nd...</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <comment>ordinal: 3rd, 23rd, 33rd...</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1th</source>
        <comment>ordinal: 4th, 11th, 12th, 13th, 20th...</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>first</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>primer</translation>
    </message>
    <message>
        <source>second</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>tercer</translation>
    </message>
    <message>
        <source>fourth</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>cuarto</translation>
    </message>
    <message>
        <source>last</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>último</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Every month on the %1</source>
        <translation>Cada mes el día %1</translation>
    </message>
    <message>
        <source>Every %1 months on the %2</source>
        <translation>Cada %1 meses el día %2</translation>
    </message>
    <message>
        <source>Every month on the %1 %2</source>
        <comment>on the first Monday</comment>
        <translation>Cada mes el %1 %2</translation>
    </message>
    <message>
        <source>Every %1 months on the %2 %3</source>
        <comment>on the first Monday</comment>
        <translation>Cada %1 meses el %2 %3</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>Every %1 days</source>
        <translation>Cada %1 días</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <source>Every %1 weeks</source>
        <translation>Cada %1 semanas</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <comment>Every week, until 12/31/2027</comment>
        <translation>%1, hasta el %2</translation>
    </message>
    <message>
        <source>%1, once</source>
        <comment>Every week, once</comment>
        <translation>%1, una vez</translation>
    </message>
    <message>
        <source>%1, %2 times</source>
        <comment>Every week, 12 times</comment>
        <translation>%1, %2 veces</translation>
    </message>
    <message>
        <source>%1 (varies)</source>
        <comment>an amount that varies</comment>
        <translation>%1 (variable)</translation>
    </message>
    <message>
        <source>ended</source>
        <comment>a schedule with no next date</comment>
        <translation>terminado</translation>
    </message>
</context>
<context>
    <name>SchedulesWindow</name>
    <message>
        <source>Schedules</source>
        <translation>Movimientos programados</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Next</source>
        <comment>the next date of a schedule</comment>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source> days</source>
        <comment>look ahead: 30 days</comment>
        <translation> días</translation>
    </message>
    <message>
        <source>&amp;Look ahead:</source>
        <translation>&amp;Previsión:</translation>
    </message>
    <message>
        <source>&amp;Warn below:</source>
        <translation>A&amp;visar por debajo de:</translation>
    </message>
    <message>
        <source>Delete the schedule %1?</source>
        <translation>¿Eliminar el movimiento programado %1?</translation>
    </message>
    <message>
        <source>The balance to warn below must be an amount such as %1.</source>
        <translation>El saldo de aviso debe ser un importe como %1.</translation>
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
    <name>SplitEditor</name>
    <message>
        <source>Split</source>
        <translation>División</translation>
    </message>
    <message>
        <source>&amp;Parts of %1, %2:</source>
        <translation>&amp;Partes de %1, %2:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>&amp;Add Part</source>
        <translation>Aña&amp;dir parte</translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation>&amp;Quitar parte</translation>
    </message>
    <message>
        <source>Remove &amp;Split</source>
        <translation>Deshacer la di&amp;visión</translation>
    </message>
    <message>
        <source>Left to assign: %1</source>
        <translation>Queda por asignar: %1</translation>
    </message>
    <message>
        <source>Left to assign: ?</source>
        <translation>Queda por asignar: ?</translation>
    </message>
    <message>
        <source>A split needs at least two parts: add a part.</source>
        <translation>Una división necesita al menos dos partes: añada una parte.</translation>
    </message>
    <message>
        <source>Part %1: &quot;%2&quot; is not a category. Type a name, or names separated by colons, such as Food:Groceries.</source>
        <translation>Parte %1: «%2» no es una categoría. Escriba un nombre, o nombres separados por dos puntos, como Alimentación:Supermercado.</translation>
    </message>
    <message>
        <source>Part %1: &quot;%2&quot; is not an amount. Type one such as %3, with at most two decimals.</source>
        <translation>Parte %1: «%2» no es un importe. Escriba uno como %3, con dos decimales como máximo.</translation>
    </message>
    <message>
        <source>%1 is left to assign: the parts must add up to %2. Change a part&apos;s amount, or add a part.</source>
        <translation>Quedan %1 por asignar: las partes deben sumar %2. Cambie el importe de una parte o añada una parte.</translation>
    </message>
</context>
<context>
    <name>SpoiledFormsDialog</name>
    <message>
        <source>Checks Not Printed</source>
        <translation>Cheques no impresos</translation>
    </message>
    <message>
        <source>Tick each form that did not print correctly. The first of them and every check after it wait to be printed again, on new forms.</source>
        <translation>Marque cada formulario que no se imprimió correctamente. El primero de ellos y cada cheque posterior esperan a imprimirse de nuevo, en formularios nuevos.</translation>
    </message>
    <message>
        <source>Check %1: %2, %3</source>
        <translation>Cheque %1: %2, %3</translation>
    </message>
    <message>
        <source>Record the ticked forms as voided checks</source>
        <translation>Registrar los formularios marcados como cheques anulados</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB: no statement is that large</source>
        <translation>%1 supera los %2 MiB: ningún extracto es tan grande</translation>
    </message>
    <message>
        <source>no column mapping is known for a statement with %1</source>
        <translation>no se conoce ninguna asignación de columnas para un extracto con %1</translation>
    </message>
    <message>
        <source>no column mapping is known for the header line: %1</source>
        <translation>no se conoce ninguna asignación de columnas para la línea de encabezado: %1</translation>
    </message>
</context>
<context>
    <name>StatementDialog</name>
    <message>
        <source>Balance to Statement</source>
        <translation>Conciliar con el extracto</translation>
    </message>
    <message>
        <source>Statement &amp;date:</source>
        <translation>&amp;Fecha del extracto:</translation>
    </message>
    <message>
        <source>Ending &amp;balance:</source>
        <translation>Saldo fi&amp;nal:</translation>
    </message>
</context>
<context>
    <name>StatementReading</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>more transactions than a ledger holds (%1)</source>
        <translation>más movimientos de los que admite un libro (%1)</translation>
    </message>
    <message>
        <source>an amount the ledger cannot keep to the cent: %1</source>
        <translation>un importe que el libro no puede guardar al céntimo: %1</translation>
    </message>
    <message>
        <source>The statement holds only investment transactions (%1): a check register does not keep them.</source>
        <translation>El extracto solo contiene movimientos de inversión (%1): un registro de cheques no los guarda.</translation>
    </message>
    <message>
        <source>1 investment transaction is not kept in a check register.</source>
        <translation>1 movimiento de inversión no se guarda en un registro de cheques.</translation>
    </message>
    <message>
        <source>%1 investment transactions are not kept in a check register.</source>
        <translation>%1 movimientos de inversión no se guardan en un registro de cheques.</translation>
    </message>
    <message>
        <source>Categories longer than %1 characters were cut, the first on line %2.</source>
        <translation>Las categorías de más de %1 caracteres se han recortado, la primera en la línea %2.</translation>
    </message>
    <message>
        <source>Line %1: split left out (%2); the transaction is added without it.</source>
        <translation>Línea %1: división omitida (%2); el movimiento se añade sin ella.</translation>
    </message>
    <message>
        <source>the parts add up to %1, not %2</source>
        <translation>las partes suman %1, no %2</translation>
    </message>
</context>
<context>
    <name>TallixCli</name>
    <message>
        <source>Reads a Tallix data file (.tlx); only import changes it. print shows the cleared marks in column C:
c cleared, R reconciled.
</source>
        <translation>Lee un archivo de datos de Tallix (.tlx); solo import lo modifica. print muestra las marcas de
punteo en la columna C: c punteado, R conciliado.
</translation>
    </message>
    <message>
        <source>  print    the register as the register window shows it: sorted by date, with running balances;
           with --pdf, as pages in the PDF file OUT (- for standard output), as the program prints it
</source>
        <translation>  print    el registro tal como lo muestra la ventana del registro: ordenado por fecha, con el saldo
           acumulado; con --pdf, como páginas en el archivo PDF OUT (- para la salida estándar), tal
           como lo imprime el programa
</translation>
    </message>
    <message>
        <source>  check    validate the file against the format; exit status 0 when sound, 1 when not; also notes
           unsaved changes that a crashed window left for recovery
</source>
        <translation>  check    valida el archivo según el formato; estado de salida 0 si es correcto, 1 si no; también
           indica los cambios sin guardar que una ventana que falló dejó para recuperar
</translation>
    </message>
    <message>
        <source>  import   add a bank statement (OFX, QFX, QIF or CSV) to the ledger: one line per transaction tells
           whether it is added and as which type, skipped as a duplicate of which record, or refused
           and why; then the ledger is saved, unless --dry-run. The format comes from the file&apos;s
           extension or its content unless --format names it. A statement of several accounts is
           refused with their list; --account ID imports the one with that id. Exit status 3
           when lines were refused (the others are added). A ledger open in the window (or in
           another import) is refused with exit status 1.
</source>
        <translation>  import   añade un extracto bancario (OFX, QFX, QIF o CSV) al libro: una línea por movimiento
           indica si se añade y con qué tipo, si se omite como duplicado de qué registro, o si se
           rechaza y por qué; después se guarda el libro, salvo con --dry-run. El formato se deduce
           de la extensión del archivo o de su contenido, a menos que --format lo indique. Un
           extracto de varias cuentas se rechaza con su lista; --account ID importa la que tiene ese
           identificador. Estado de salida 3 si se rechazaron líneas (las demás se añaden). Un libro
           abierto en la ventana (o en otra importación) se rechaza con estado de salida 1.
</translation>
    </message>
    <message>
        <source>  balance  the balance at the end of day D (ISO 2024-01-31 or the locale&apos;s short date)
</source>
        <translation>  balance  el saldo al final del día D (ISO 2024-01-31 o la fecha corta de la configuración
           regional)
</translation>
    </message>
    <message>
        <source>  reconcile  a bank statement&apos;s ending balance B on day D against the cleared balance (reconciled
           and cleared transactions), with the difference and the outstanding transactions; changes
           nothing. Exit status 0 when they agree, 3 when they do not
</source>
        <translation>  reconcile  el saldo final B de un extracto bancario el día D frente al saldo punteado (movimientos
           conciliados y punteados), con la diferencia y los movimientos pendientes; no cambia nada.
           Estado de salida 0 si coinciden, 3 si no
</translation>
    </message>
    <message>
        <source>  forecast the scheduled transactions due from today up to N days ahead (by default as set in the
           program), overdue ones marked due, with the running balance; then today&apos;s balance and the
           lowest the balance reaches, with its date. Exit status 3 when that is below zero, or below
           the balance set to warn below
</source>
        <translation>  forecast los movimientos programados que vencen desde hoy hasta N días después (por defecto, según
           lo ajustado en el programa), los vencidos marcados como tales, con el saldo acumulado;
           después el saldo de hoy y el mínimo que alcanza el saldo, con su fecha. Estado de salida
           3 si es menor que cero, o menor que el saldo de aviso ajustado
</translation>
    </message>
    <message>
        <source>  chart    the balance chart as the program draws it: the balance from the first transaction, the
           forecast of the scheduled transactions for N days (at most 3660; by default the program&apos;s
           horizon, 30 days unless changed) with its lowest point, and the money in and out of each
           month; as a PNG image or SVG drawing of 1200 x 700 pixels or a PDF page, in OUT (- for
           standard output)
</source>
        <translation>  chart    el gráfico del saldo tal como lo dibuja el programa: el saldo desde el primer movimiento,
           la previsión de los movimientos programados para N días (como máximo 3660; por defecto el
           horizonte del programa, 30 días salvo que se cambie) con su punto más bajo, y las
           entradas y salidas de cada mes; como imagen PNG o dibujo SVG de 1200 x 700 píxeles o como
           página PDF, en OUT (- para la salida estándar)
</translation>
    </message>
    <message>
        <source>  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>  -h, --help     mostrar esta ayuda y salir
  -v, --version  mostrar la versión y salir
</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Pruebe «tallix-cli --help» para más información.</translation>
    </message>
    <message>
        <source>will not write %1: %2</source>
        <translation>no se escribirá %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>more than one FILE</source>
        <translation>más de un FILE</translation>
    </message>
    <message>
        <source>export needs a FILE</source>
        <translation>export necesita un FILE</translation>
    </message>
    <message>
        <source>tallix-pdf, which draws the pages, is not installed beside tallix-cli</source>
        <translation>tallix-pdf, que dibuja las páginas, no está instalado junto a tallix-cli</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>no se puede ejecutar %1: %2</translation>
    </message>
    <message>
        <source>chart needs exactly one FILE</source>
        <translation>chart necesita exactamente un FILE</translation>
    </message>
    <message>
        <source>chart needs one of --png OUT, --svg OUT or --pdf OUT</source>
        <translation>chart necesita una de las opciones --png OUT, --svg OUT o --pdf OUT</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1 to %1</source>
        <translation>--days admite un número de días de 1 a %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ninguna orden</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>%1 needs exactly one FILE</source>
        <translation>%1 necesita exactamente un FILE</translation>
    </message>
    <message>
        <source>cannot write the register to standard output</source>
        <translation>no se puede escribir el registro en la salida estándar</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>no se puede escribir en la salida estándar</translation>
    </message>
    <message>
        <source>  checks   checks printed on check stock, as pages in the PDF file OUT (- for standard output): the
           checks waiting to print (--waiting, the default) or those numbered FIRST to LAST. --format
           names the stock (by default laser-three, three checks per page; a format file that cannot be
           read is named and skipped); --offset moves every field X inches right and Y inches down
           (negative: left and up; at most 1 inch; by default as set in the program for that stock)
</source>
        <translation>  checks   cheques impresos en formularios de cheque, como páginas en el archivo PDF OUT (- para la
           salida estándar): los cheques pendientes de imprimir (--waiting, por defecto) o los
           numerados de FIRST a LAST. --format nombra los formularios (por defecto laser-three, tres
           cheques por página; un archivo de formato ilegible se nombra y se omite); --offset desplaza
           cada campo X pulgadas a la derecha e Y pulgadas hacia abajo (negativo: a la izquierda y
           arriba; como máximo 1 pulgada; por defecto como esté ajustado en el programa para esos
           formularios)
</translation>
    </message>
    <message>
        <source>checks needs exactly one LEDGER</source>
        <translation>checks necesita exactamente un LEDGER</translation>
    </message>
    <message>
        <source>checks needs --pdf OUT</source>
        <translation>checks necesita --pdf OUT</translation>
    </message>
    <message>
        <source>give either --numbers or --waiting</source>
        <translation>indique --numbers o --waiting, no ambos</translation>
    </message>
    <message>
        <source>--numbers takes two check numbers from 1 to %1 as FIRST-LAST, the first not above the last (for example 1101-1103)</source>
        <translation>--numbers espera dos números de cheque de 1 a %1 como FIRST-LAST, el primero no mayor que el último (por ejemplo 1101-1103)</translation>
    </message>
    <message>
        <source>--offset takes inches right and down from -1 to 1 as X,Y (for example 0.05,-0.10)</source>
        <translation>--offset espera pulgadas a la derecha y hacia abajo de -1 a 1 como X,Y (por ejemplo 0.05,-0.10)</translation>
    </message>
    <message>
        <source>Usage: tallix-cli print FILE [--pdf OUT]
  or:  tallix-cli export FILE --format csv|qif|ledger [-o OUT]
  or:  tallix-cli check FILE
  or:  tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]
                         [CSV columns]
  or:  tallix-cli balance LEDGER --date D
  or:  tallix-cli reconcile LEDGER --date D --balance B
  or:  tallix-cli forecast LEDGER [--days N]
  or:  tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]
  or:  tallix-cli chart FILE --png OUT|--svg OUT|--pdf OUT [--days N]
  or:  tallix-cli checks LEDGER --pdf OUT [--format NAME] [--numbers FIRST-LAST | --waiting]
                         [--offset X,Y]
</source>
        <translation>Uso: tallix-cli print FILE [--pdf OUT]
  o: tallix-cli export FILE --format csv|qif|ledger [-o OUT]
  o: tallix-cli check FILE
  o: tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]
                       [columnas CSV]
  o: tallix-cli balance LEDGER --date D
  o: tallix-cli reconcile LEDGER --date D --balance B
  o: tallix-cli forecast LEDGER [--days N]
  o: tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]
  o: tallix-cli chart FILE --png OUT|--svg OUT|--pdf OUT [--days N]
  o: tallix-cli checks LEDGER --pdf OUT [--format NAME] [--numbers FIRST-LAST | --waiting]
                       [--offset X,Y]
</translation>
    </message>
    <message>
        <source>  export   the transactions with their categories and splits as CSV (RFC 4180), QIF, or a journal
           that hledger and ledger-cli read (categories as Expenses: and Income: accounts), to OUT or
           standard output
</source>
        <translation>  export   los movimientos con sus categorías y divisiones como CSV (RFC 4180), QIF o un diario
           que leen hledger y ledger-cli (categorías como cuentas Expenses: e Income:), en OUT o en
           la salida estándar
</translation>
    </message>
    <message>
        <source>  report   where the money went, beside the period before of the same length: spending and income
           by category with subtotals and shares, income and spending month by month, or spending by
           payee; this year unless --from or --to (dates as for balance) replace its first or last day;
           with --csv, as CSV for other programs (plain amounts, no totals)
</source>
        <translation>  report   adónde fue el dinero, junto al periodo anterior de la misma duración: gastos e ingresos por
           categoría con subtotales y porcentajes, ingresos y gastos mes a mes, o gastos por
           beneficiario; este año, salvo que --from o --to (fechas como en balance) sustituyan su primer
           o último día; con --csv, como CSV para otros programas (importes simples, sin totales)
</translation>
    </message>
    <message>
        <source>CSV columns (numbered from 1; once imported, remembered for statements with the same header line):
  --date-col N --date-order mdy|dmy|ymd --amount-col N | --debit-col N --credit-col N
  --payee-col N[,M] --check-col N --type-col N --decimal .|, (without --decimal, the amounts tell)
  --direction-col N (words such as D/C, DR/CR, Af/Bij that sign the amounts) --status-col N
  (pending rows are skipped) --header yes|no (whether the first row names the columns; without
  it, a first row that reads as a transaction is one) --category-col N (the category each row is
  added with) --split-col N (the parts of a split, as `export --format csv` writes them)
</source>
        <translation>Columnas CSV (numeradas desde 1; tras importar, se recuerdan para los extractos con la misma cabecera):
  --date-col N --date-order mdy|dmy|ymd --amount-col N | --debit-col N --credit-col N
  --payee-col N[,M] --check-col N --type-col N --decimal .|, (sin --decimal, lo indican los importes)
  --direction-col N (palabras como D/C, DR/CR, Af/Bij que dan el signo a los importes) --status-col N
  (las filas pendientes se omiten) --header yes|no (si la primera fila nombra las columnas; sin
  esta opción, una primera fila que se lee como un movimiento es un movimiento)
  --category-col N (la categoría con la que se añade cada fila) --split-col N (las partes de
  una división, como las escribe `export --format csv`)
</translation>
    </message>
    <message>
        <source>export needs --format csv, --format qif or --format ledger</source>
        <translation>export necesita --format csv, --format qif o --format ledger</translation>
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
    <name>TallixPdf</name>
    <message>
        <source>Balance Chart: %1</source>
        <translation>Gráfico del saldo: %1</translation>
    </message>
    <message>
        <source>Check Register: %1</source>
        <translation>Registro de cheques: %1</translation>
    </message>
    <message>
        <source>cannot draw the chart</source>
        <translation>no se puede dibujar el gráfico</translation>
    </message>
    <message>
        <source>cannot lay out the register&apos;s pages</source>
        <translation>no se pueden maquetar las páginas del registro</translation>
    </message>
    <message>
        <source>skipped the check stock format %1: %2</source>
        <translation>formato de cheque %1 omitido: %2</translation>
    </message>
    <message>
        <source>there is no check stock format named %1; the formats are: %2</source>
        <translation>no hay ningún formato de cheque llamado %1; los formatos son: %2</translation>
    </message>
    <message>
        <source>no checks are waiting to print</source>
        <translation>no hay cheques pendientes de imprimir</translation>
    </message>
    <message>
        <source>there are no checks numbered %1 to %2</source>
        <translation>no hay cheques numerados de %1 a %2</translation>
    </message>
    <message>
        <source>cannot draw the checks</source>
        <translation>no se pueden dibujar los cheques</translation>
    </message>
    <message>
        <source>Usage: tallix-pdf FILE | tallix-pdf chart png|svg|pdf DAYS FILE | tallix-pdf checks FORMAT waiting|FIRST-LAST RIGHT,DOWN FILE (used by tallix-cli print, chart and checks)</source>
        <translation>Uso: tallix-pdf FILE | tallix-pdf chart png|svg|pdf DAYS FILE | tallix-pdf checks FORMAT waiting|FIRST-LAST RIGHT,DOWN FILE (lo usan tallix-cli print, chart y checks)</translation>
    </message>
</context>
<context>
    <name>TransactionType</name>
    <message>
        <source>Check</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Retiro</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Comisión</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
</context>
<context>
    <name>UpcomingModel</name>
    <message>
        <source>The amount varies: this is the one expected.</source>
        <translation>El importe varía: este es el previsto.</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Vence</translation>
    </message>
</context>
<context>
    <name>WindowImport</name>
    <message>
        <source>%1 cannot be imported.</source>
        <translation>No se puede importar %1.</translation>
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
    <message>
        <source>Address...</source>
        <translation>Dirección...</translation>
    </message>
    <message>
        <source>Print later</source>
        <translation>Imprimir después</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Print C&amp;hecks...</source>
        <translation>Imprimir c&amp;heques...</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>Ca&amp;tegoría:</translation>
    </message>
    <message>
        <source>Check category</source>
        <translation>Categoría del cheque</translation>
    </message>
    <message>
        <source>Ca&amp;tegory:</source>
        <translation>Cate&amp;goría:</translation>
    </message>
    <message>
        <source>Transaction category</source>
        <translation>Categoría del movimiento</translation>
    </message>
    <message>
        <source>&amp;Reports...</source>
        <translation>&amp;Informes...</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>C&amp;ategorías...</translation>
    </message>
    <message>
        <source>The category is %1 characters long; a category may have at most %2, its colons included. Shorten it, then click Add again.</source>
        <translation>La categoría tiene %1 caracteres; una categoría puede tener como máximo %2, incluidos los dos puntos. Acórtela y vuelva a hacer clic en Añadir.</translation>
    </message>
    <message>
        <source>No category</source>
        <translation>Sin categoría</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>frmRegister</name>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Search wrapped</source>
        <translation>Búsqueda reiniciada desde el principio</translation>
    </message>
    <message>
        <source>Check Register</source>
        <translation>Registro de cheques</translation>
    </message>
    <message>
        <source>Starting Balance:</source>
        <translation>Saldo inicial:</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Unlock records</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Lock records</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>%1 (Read-Only)</source>
        <comment>a window&apos;s title</comment>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message>
        <source>&amp;Edit	Enter</source>
        <translation>&amp;Editar	Intro</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared	Space</source>
        <translation>Marcar como &amp;punteado	Espacio</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>E&amp;liminar	Supr</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Buscar...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>R&amp;edo	Ctrl+Y</source>
        <translation>&amp;Rehacer	Ctrl+Y</translation>
    </message>
    <message>
        <source>Un&amp;lock records</source>
        <translation>Desblo&amp;quear movimientos</translation>
    </message>
    <message>
        <source>&amp;Lock records up to here</source>
        <translation>Blo&amp;quear hasta aquí</translation>
    </message>
    <message>
        <source>&amp;Repeat...</source>
        <translation>Progra&amp;mar...</translation>
    </message>
    <message>
        <source>the row of %1 for %2</source>
        <comment>the row of 1/5/2009 for 30.00</comment>
        <translation>el movimiento del %1 por %2</translation>
    </message>
    <message>
        <source>Clearing %1 would balance it.</source>
        <comment>%1: the row of 1/5/2009 for 30.00</comment>
        <translation>Puntear %1 lo cuadraría.</translation>
    </message>
    <message>
        <source>Clearing %1 and %2 would balance it.</source>
        <comment>%1, %2: the row of 1/5/2009 for 30.00</comment>
        <translation>Puntear %1 y %2 lo cuadraría.</translation>
    </message>
    <message>
        <source>A difference divisible by 9 can be two digits swapped in an amount.</source>
        <translation>Una diferencia divisible entre 9 puede deberse a dos dígitos intercambiados en un importe.</translation>
    </message>
    <message>
        <source>Cleared balance on %1: %2    Statement: %3    Difference: %4</source>
        <translation>Saldo punteado al %1: %2    Extracto: %3    Diferencia: %4</translation>
    </message>
    <message>
        <source>Outstanding: %1 out (%2), %3 in (%4)</source>
        <comment>counts and totals of outstanding rows</comment>
        <translation>Pendiente: %1 salidas (%2), %3 entradas (%4)</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Anotar</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>Upcoming scheduled transactions</source>
        <translation>Próximos movimientos programados</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Hoy, %1</translation>
    </message>
    <message>
        <source>The register is full: no more transactions can be added.</source>
        <translation>El registro está lleno: no se pueden añadir más movimientos.</translation>
    </message>
    <message>
        <source>&amp;Address...</source>
        <translation>Dire&amp;cción...</translation>
    </message>
    <message>
        <source>&amp;Void</source>
        <translation>A&amp;nular</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>&amp;Mostrar todo</translation>
    </message>
    <message>
        <source>1 transaction: %1</source>
        <translation>1 movimiento: %1</translation>
    </message>
    <message>
        <source>%1 transactions: %2</source>
        <translation>%1 movimientos: %2</translation>
    </message>
    <message>
        <source>&amp;Split...</source>
        <translation>D&amp;ividir...</translation>
    </message>
</context>
</TS>
