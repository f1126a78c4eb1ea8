<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>The statement holds %1 accounts. Which one goes into this ledger?</source>
        <translation>Der Kontoauszug enthält %1 Konten. Welches kommt in dieses Kassenbuch?</translation>
    </message>
    <message>
        <source>no account id</source>
        <translation>keine Kontonummer</translation>
    </message>
    <message>
        <source>%1 (1 transaction)</source>
        <translation>%1 (1 Buchung)</translation>
    </message>
    <message>
        <source>%1 (%2 transactions)</source>
        <translation>%1 (%2 Buchungen)</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>&amp;Address of %1, as a window envelope shows it:</source>
        <translation>&amp;Adresse von %1, wie sie im Fensterumschlag erscheint:</translation>
    </message>
    <message>
        <source>Address line %1</source>
        <translation>Adresszeile %1</translation>
    </message>
</context>
<context>
    <name>BalanceChart</name>
    <message>
        <source>overdue before %1</source>
        <translation>überfällige vor dem %1</translation>
    </message>
    <message>
        <source>from %1 on</source>
        <translation>ab dem %1</translation>
    </message>
    <message>
        <source>Forecast cut: %1</source>
        <translation>Vorschau gekürzt: %1</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Money in, out</source>
        <translation>Eingänge, Ausgänge</translation>
    </message>
    <message>
        <source>Forecast in, out</source>
        <translation>Vorschau Eingänge, Ausgänge</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Lock date</source>
        <translation>Sperrdatum</translation>
    </message>
    <message>
        <source>Last statement</source>
        <translation>Letzter Kontoauszug</translation>
    </message>
    <message>
        <source>Lowest: %1 on %2</source>
        <translation>Tiefststand: %1 am %2</translation>
    </message>
    <message>
        <source>Money in and out per month</source>
        <translation>Eingänge und Ausgänge pro Monat</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Income:Salary</source>
        <translation>Einnahmen:Gehalt</translation>
    </message>
    <message>
        <source>Income:Interest</source>
        <translation>Einnahmen:Zinsen</translation>
    </message>
    <message>
        <source>Income:Other</source>
        <translation>Einnahmen:Sonstige</translation>
    </message>
    <message>
        <source>Housing:Rent or mortgage</source>
        <translation>Wohnen:Miete oder Kredit</translation>
    </message>
    <message>
        <source>Housing:Repairs</source>
        <translation>Wohnen:Reparaturen</translation>
    </message>
    <message>
        <source>Utilities:Electricity</source>
        <translation>Nebenkosten:Strom</translation>
    </message>
    <message>
        <source>Utilities:Water</source>
        <translation>Nebenkosten:Wasser</translation>
    </message>
    <message>
        <source>Utilities:Phone and internet</source>
        <translation>Nebenkosten:Telefon und Internet</translation>
    </message>
    <message>
        <source>Food:Groceries</source>
        <translation>Lebensmittel:Einkauf</translation>
    </message>
    <message>
        <source>Food:Dining out</source>
        <translation>Lebensmittel:Restaurant</translation>
    </message>
    <message>
        <source>Car:Fuel</source>
        <translation>Auto:Kraftstoff</translation>
    </message>
    <message>
        <source>Car:Insurance</source>
        <translation>Auto:Versicherung</translation>
    </message>
    <message>
        <source>Car:Repairs</source>
        <translation>Auto:Reparaturen</translation>
    </message>
    <message>
        <source>Health:Doctor</source>
        <translation>Gesundheit:Arzt</translation>
    </message>
    <message>
        <source>Health:Pharmacy</source>
        <translation>Gesundheit:Apotheke</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Freizeit</translation>
    </message>
    <message>
        <source>Gifts and charity</source>
        <translation>Geschenke und Spenden</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>Bank fees</source>
        <translation>Bankgebühren</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
</context>
<context>
    <name>CategoriesWindow</name>
    <message>
        <source>Type a category, such as Food:Groceries; a colon puts a category under another.</source>
        <translation>Geben Sie eine Kategorie ein, etwa Lebensmittel:Einkauf; ein Doppelpunkt stellt eine Kategorie unter eine andere.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; a category may have at most %3, its colons included.</source>
        <translation>%1 ist %2 Zeichen lang; eine Kategorie darf höchstens %3 haben, die Doppelpunkte eingeschlossen.</translation>
    </message>
    <message>
        <source>1 transaction</source>
        <translation>1 Buchung</translation>
    </message>
    <message>
        <source>%1 transactions</source>
        <translation>%1 Buchungen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>A category&apos;s figures include those of the categories under it.</source>
        <translation>Die Zahlen einer Kategorie schließen die der Kategorien darunter ein.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Merge into...</source>
        <translation>&amp;Zusammenführen mit...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>Description contains</source>
        <translation>Beschreibung enthält</translation>
    </message>
    <message>
        <source>An imported statement line whose description contains the text, in any letter case, takes the category of the first rule that matches.</source>
        <translation>Eine importierte Zeile eines Kontoauszugs, deren Beschreibung den Text enthält (Groß- und Kleinschreibung gleich), erhält die Kategorie der ersten passenden Regel.</translation>
    </message>
    <message>
        <source>New r&amp;ule...</source>
        <translation>&amp;Neue Regel...</translation>
    </message>
    <message>
        <source>&amp;Edit rule...</source>
        <translation>Regel &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Remo&amp;ve rule</source>
        <translation>Regel &amp;entfernen</translation>
    </message>
    <message>
        <source>Import rules</source>
        <translation>Importregeln</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>%1 alone: %2, %3</source>
        <translation>%1 allein: %2, %3</translation>
    </message>
    <message>
        <source>Add Category</source>
        <translation>Kategorie hinzufügen</translation>
    </message>
    <message>
        <source>The new category; a colon puts it under another (Food:Groceries).</source>
        <translation>Die neue Kategorie; ein Doppelpunkt stellt sie unter eine andere (Lebensmittel:Einkauf).</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 steht bereits in der Liste.</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Kategorie umbenennen</translation>
    </message>
    <message>
        <source>The new name of %1, wherever it is used; the categories under it move along.</source>
        <translation>Der neue Name von %1, überall, wo sie verwendet wird; die Kategorien darunter ziehen mit.</translation>
    </message>
    <message>
        <source>%1 cannot move under itself.</source>
        <translation>%1 kann nicht unter sich selbst verschoben werden.</translation>
    </message>
    <message>
        <source>%1 is already a category. Merge %2 into %1?</source>
        <translation>%1 ist bereits eine Kategorie. %2 mit %1 zusammenführen?</translation>
    </message>
    <message>
        <source>%1 cannot be renamed %2: a category under it would be longer than %3 characters.</source>
        <translation>%1 kann nicht in %2 umbenannt werden: eine Kategorie darunter wäre länger als %3 Zeichen.</translation>
    </message>
    <message>
        <source>There is no other category to merge %1 into.</source>
        <translation>Es gibt keine andere Kategorie, mit der %1 zusammengeführt werden kann.</translation>
    </message>
    <message>
        <source>Merge Category</source>
        <translation>Kategorien zusammenführen</translation>
    </message>
    <message>
        <source>Merge %1 into (its transactions, the categories under it and its rules move there):</source>
        <translation>%1 zusammenführen mit (ihre Buchungen, die Kategorien darunter und ihre Regeln ziehen dorthin):</translation>
    </message>
    <message>
        <source>%1 cannot be merged into %2: a category under it would be longer than %3 characters.</source>
        <translation>%1 kann nicht mit %2 zusammengeführt werden: eine Kategorie darunter wäre länger als %3 Zeichen.</translation>
    </message>
    <message>
        <source>Delete %1 and any category under it? No transaction uses them.</source>
        <translation>%1 und jede Kategorie darunter löschen? Keine Buchung verwendet sie.</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(keine Kategorie)</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Delete %1 and any category under it? The %2 it holds will move to:</source>
        <translation>%1 und jede Kategorie darunter löschen? Die %2, die sie enthält, kommen nach:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>Type the text a statement line&apos;s description contains, such as AMAZON.</source>
        <translation>Geben Sie den Text ein, den die Beschreibung einer Auszugszeile enthält, etwa AMAZON.</translation>
    </message>
    <message>
        <source>New Import Rule</source>
        <translation>Neue Importregel</translation>
    </message>
    <message>
        <source>Edit Import Rule</source>
        <translation>Importregel bearbeiten</translation>
    </message>
</context>
<context>
    <name>CategoryChoiceDialog</name>
    <message>
        <source>&amp;Description contains:</source>
        <translation>&amp;Beschreibung enthält:</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Balance chart</source>
        <translation>Saldodiagramm</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Point at the chart to see the balance of a day.</source>
        <translation>Zeigen Sie auf das Diagramm, um den Saldo eines Tages zu sehen.</translation>
    </message>
    <message>
        <source>Balance Chart</source>
        <translation>Saldodiagramm</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>%1: %2 (forecast)</source>
        <comment>day: balance</comment>
        <translation>%1: %2 (Vorschau)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>day: balance</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>SVG-Bild</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>das Diagramm konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Unable to save the chart to %1: %2.</source>
        <translation>Das Diagramm konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Print Balance Chart</source>
        <translation>Saldodiagramm drucken</translation>
    </message>
    <message>
        <source>Unable to print the chart.</source>
        <translation>Das Diagramm konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>CheckFormats</name>
    <message>
        <source>Three checks per page</source>
        <translation>Drei Schecks pro Seite</translation>
    </message>
    <message>
        <source>One check at the top, two stubs</source>
        <translation>Ein Scheck oben, zwei Abschnitte</translation>
    </message>
    <message>
        <source>One check in the middle, two stubs</source>
        <translation>Ein Scheck in der Mitte, zwei Abschnitte</translation>
    </message>
    <message>
        <source>One check at the bottom, two stubs</source>
        <translation>Ein Scheck unten, zwei Abschnitte</translation>
    </message>
    <message>
        <source>Wallet checks with a stub on the left</source>
        <translation>Taschenschecks mit Abschnitt links</translation>
    </message>
    <message>
        <source>the file is larger than a check format can be (1 MB)</source>
        <translation>die Datei ist größer, als ein Scheckformat sein kann (1 MB)</translation>
    </message>
    <message>
        <source>it is not JSON: %1 at character %2</source>
        <translation>sie ist kein JSON: %1 bei Zeichen %2</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>sie ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>it needs &quot;page&quot; and &quot;check&quot;, each with a &quot;width&quot; and &quot;height&quot; above 0</source>
        <translation>„page“ und „check“ fehlen oder haben nicht je „width“ und „height“ über 0</translation>
    </message>
    <message>
        <source>&quot;left&quot; must be a number of 0 or more and &quot;fontSize&quot; one from above 0 to 72</source>
        <translation>„left“ muss eine Zahl ab 0 sein und „fontSize“ eine über 0 bis 72</translation>
    </message>
    <message>
        <source>check %1 of &quot;tops&quot; does not lie on the page</source>
        <translation>Scheck %1 von „tops“ liegt nicht auf der Seite</translation>
    </message>
    <message>
        <source>&quot;tops&quot; lists no check</source>
        <translation>„tops“ nennt keinen Scheck</translation>
    </message>
    <message>
        <source>field %1 is of no known kind (number, date, payee, amount, words, memo, address)</source>
        <translation>Feld %1 hat keine bekannte Art (number, date, payee, amount, words, memo, address)</translation>
    </message>
    <message>
        <source>field %1 (%2) does not lie on the check</source>
        <translation>Feld %1 (%2) liegt nicht auf dem Scheck</translation>
    </message>
    <message>
        <source>&quot;fields&quot; lists no field</source>
        <translation>„fields“ nennt kein Feld</translation>
    </message>
</context>
<context>
    <name>CheckPrint</name>
    <message>
        <source>Check number</source>
        <translation>Schecknummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Amount in words</source>
        <translation>Betrag in Worten</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>ChecksWindow</name>
    <message>
        <source>Print Checks</source>
        <translation>Schecks drucken</translation>
    </message>
    <message>
        <source>&amp;Checks to print:</source>
        <translation>Zu druckende &amp;Schecks:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Show &amp;every check, to print one again</source>
        <translation>Alle Schecks &amp;zeigen, um einen erneut zu drucken</translation>
    </message>
    <message>
        <source>&amp;First form in the printer:</source>
        <translation>&amp;Erstes Formular im Drucker:</translation>
    </message>
    <message>
        <source>Check &amp;stock:</source>
        <translation>Scheck&amp;vordruck:</translation>
    </message>
    <message>
        <source>Offset right</source>
        <translation>Versatz nach rechts</translation>
    </message>
    <message>
        <source>Move &amp;right (1/100 inch):</source>
        <translation>Nach &amp;rechts (1/100 Zoll):</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Versatz nach unten</translation>
    </message>
    <message>
        <source>Move &amp;down (1/100 inch):</source>
        <translation>Nach &amp;unten (1/100 Zoll):</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Sa&amp;ve as PDF...</source>
        <translation>Als PD&amp;F speichern...</translation>
    </message>
    <message>
        <source>&amp;Alignment sheet...</source>
        <translation>&amp;Ausrichtungsblatt...</translation>
    </message>
    <message>
        <source>No check stock format was found. Add one to %1 and open this window again.</source>
        <translation>Es wurde kein Format für Scheckvordrucke gefunden. Legen Sie eines in %1 ab und öffnen Sie dieses Fenster erneut.</translation>
    </message>
    <message>
        <source>%1 checks from form %2 on would pass %3, the highest check number. Print fewer checks.</source>
        <translation>%1 Schecks ab Formular %2 würden %3 überschreiten, die höchste Schecknummer. Drucken Sie weniger Schecks.</translation>
    </message>
    <message>
        <source>Check %1 is locked: its number cannot change to the form&apos;s. Unlock it in the register or leave it out.</source>
        <translation>Scheck %1 ist gesperrt: Seine Nummer kann nicht auf die des Formulars geändert werden. Entsperren Sie ihn im Register oder lassen Sie ihn weg.</translation>
    </message>
    <message>
        <source>The first form in the printer is number %1, the first check %2. Renumber the checks to match the forms?</source>
        <translation>Das erste Formular im Drucker hat die Nummer %1, der erste Scheck %2. Die Schecks passend zu den Formularen neu nummerieren?</translation>
    </message>
    <message>
        <source>The checks&apos; numbers have gaps; the forms in the printer do not. Renumber the checks to match the forms?</source>
        <translation>Die Nummern der Schecks haben Lücken, die der Formulare im Drucker nicht. Die Schecks passend zu den Formularen neu nummerieren?</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Check %1 becomes %2</source>
        <translation>Scheck %1 wird %2</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Schecks</translation>
    </message>
    <message>
        <source>the checks could not be drawn</source>
        <translation>die Schecks konnten nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Unable to save the checks to %1: %2.</source>
        <translation>Die Schecks konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Unable to print the checks.</source>
        <translation>Die Schecks konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Did every check print correctly?</source>
        <translation>Wurde jeder Scheck richtig gedruckt?</translation>
    </message>
    <message>
        <source>Alignment sheet</source>
        <translation>Ausrichtungsblatt</translation>
    </message>
    <message>
        <source>Print Alignment Sheet</source>
        <translation>Ausrichtungsblatt drucken</translation>
    </message>
    <message>
        <source>Unable to print the alignment sheet.</source>
        <translation>Das Ausrichtungsblatt konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>&amp;Undo Void</source>
        <translation>Entwertung rück&amp;gängig</translation>
    </message>
    <message>
        <source>&amp;Redo Void</source>
        <translation>Entwertung &amp;wiederholen</translation>
    </message>
</context>
<context>
    <name>CliCheck</name>
    <message>
        <source>note: written with another version of %1; every mark still matches a record</source>
        <translation>Hinweis: mit einer anderen Fassung von %1 geschrieben; jeder Vermerk passt noch zu einem Datensatz</translation>
    </message>
    <message>
        <source>cannot read %1: not a regular file</source>
        <translation>%1 kann nicht gelesen werden: keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot read %1: no access</source>
        <translation>%1 kann nicht gelesen werden: kein Zugriff</translation>
    </message>
    <message>
        <source>cannot read %1: no such file</source>
        <translation>%1 kann nicht gelesen werden: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>note: the file goes on past %1 bytes, the most a ledger can hold; the rest is not read</source>
        <translation>Hinweis: die Datei ist länger als %1 Byte, mehr kann ein Kassenbuch nicht enthalten; der Rest wird nicht gelesen</translation>
    </message>
    <message>
        <source>header: </source>
        <translation>Kopf: </translation>
    </message>
    <message>
        <source>record %1: </source>
        <translation>Datensatz %1: </translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>note: 1 unsaved change from %1 wait in a recovery journal; open the ledger in Tallix to recover or discard them</source>
        <translation>Hinweis: 1 ungesicherte Änderung vom %1 wartet in einem Wiederherstellungsjournal; öffnen Sie das Kassenbuch in Tallix, um sie wiederherzustellen oder zu verwerfen</translation>
    </message>
    <message>
        <source>note: %1 unsaved changes from %2 wait in a recovery journal; open the ledger in Tallix to recover or discard them</source>
        <translation>Hinweis: %1 ungesicherte Änderungen vom %2 warten in einem Wiederherstellungsjournal; öffnen Sie das Kassenbuch in Tallix, um sie wiederherzustellen oder zu verwerfen</translation>
    </message>
    <message>
        <source>note: the recovery journal %1 holds changes of another ledger (%2); Tallix keeps it aside and never applies them</source>
        <translation>Hinweis: das Wiederherstellungsjournal %1 enthält Änderungen eines anderen Kassenbuchs (%2); Tallix legt es beiseite und wendet sie nie an</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>in Ordnung</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>note: cannot be used: %1; Tallix opens the ledger without its cleared marks, schedules and categories and leaves this file as it is</source>
        <translation>Hinweis: nicht verwendbar: %1; Tallix öffnet das Kassenbuch ohne seine Bestätigungsvermerke, geplanten Buchungen und Kategorien und lässt diese Datei unverändert</translation>
    </message>
    <message>
        <source>note: written with another version of %1; %2 of its cleared marks, %3 of its bank transaction ids, %4 of its checks&apos; memos or addresses and %5 of its transactions&apos; categories match no record and would be dropped</source>
        <translation>Hinweis: mit einer anderen Fassung von %1 geschrieben; %2 seiner Bestätigungsvermerke, %3 seiner Bank-Buchungskennungen, %4 seiner Schecknotizen oder -adressen und %5 seiner Buchungskategorien passen zu keinem Datensatz und würden verworfen</translation>
    </message>
</context>
<context>
    <name>CliForecast</name>
    <message>
        <source>Usage: tallix-cli forecast LEDGER [--days N]</source>
        <translation>Aufruf: tallix-cli forecast LEDGER [--days N]</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Weitere Informationen mit »tallix-cli --help«.</translation>
    </message>
    <message>
        <source>forecast needs exactly one FILE</source>
        <translation>forecast erwartet genau ein FILE</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1 to %1</source>
        <translation>--days erwartet eine Anzahl Tage von 1 bis %1</translation>
    </message>
    <message>
        <source>due</source>
        <comment>an overdue scheduled transaction</comment>
        <translation>fällig</translation>
    </message>
    <message>
        <source>Today (%1): %2  Lowest: %3 on %4</source>
        <translation>Heute (%1): %2  Tiefststand: %3 am %4</translation>
    </message>
</context>
<context>
    <name>CliImport</name>
    <message>
        <source>Usage: tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]
                         [CSV columns]
  or:  tallix-cli balance LEDGER --date D
  or:  tallix-cli reconcile LEDGER --date D --balance B</source>
        <translation>Aufruf: tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]
                          [CSV-Spalten]
  oder: tallix-cli balance LEDGER --date D
  oder: tallix-cli reconcile LEDGER --date D --balance B</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Weitere Informationen mit »tallix-cli --help«.</translation>
    </message>
    <message>
        <source>%1: no account %2; it holds %3 accounts; choose one with --account ID:</source>
        <translation>%1: kein Konto %2; die Datei enthält %3 Konten; wählen Sie eines mit --account ID:</translation>
    </message>
    <message>
        <source>%1: it holds %2 accounts; choose one with --account ID:</source>
        <translation>%1: die Datei enthält %2 Konten; wählen Sie eines mit --account ID:</translation>
    </message>
    <message>
        <source>1 transaction</source>
        <translation>1 Buchung</translation>
    </message>
    <message>
        <source>%1 transactions</source>
        <translation>%1 Buchungen</translation>
    </message>
    <message>
        <source>%1: not imported: %2 cannot be used (%3), so the ledger&apos;s cleared marks and bank transaction ids are not known; move that file aside or put a sound copy in its place, then import again</source>
        <translation>%1: nicht importiert: %2 ist nicht verwendbar (%3), daher sind die Bestätigungsvermerke und Bank-Buchungskennungen des Kassenbuchs unbekannt; legen Sie diese Datei beiseite oder ersetzen Sie sie durch eine intakte Kopie und importieren Sie dann erneut</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 added, %2 marked cleared, %3 skipped, %4 refused (dry run: nothing written)</source>
        <translation>%1 hinzugefügt, %2 als bestätigt markiert, %3 übersprungen, %4 abgelehnt (Probelauf: nichts geschrieben)</translation>
    </message>
    <message>
        <source>%1 added, %2 marked cleared, %3 skipped, %4 refused</source>
        <translation>%1 hinzugefügt, %2 als bestätigt markiert, %3 übersprungen, %4 abgelehnt</translation>
    </message>
    <message>
        <source>%1 is being changed by another tallix-cli (%2); try again once it is done</source>
        <translation>%1 wird gerade von einem anderen tallix-cli geändert (%2); versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
    <message>
        <source>%1 is open in Tallix (%2); import the statement there, with File &gt; Import..., instead</source>
        <translation>%1 ist in Tallix geöffnet (%2); importieren Sie den Kontoauszug stattdessen dort, mit Datei &gt; Importieren...</translation>
    </message>
    <message>
        <source>cannot import into %1: no lock file can be made in %2 (%3), and without one Tallix could change the ledger at the same time; nothing was changed</source>
        <translation>in %1 kann nicht importiert werden: in %2 lässt sich keine Sperrdatei anlegen (%3), und ohne sie könnte Tallix das Kassenbuch gleichzeitig ändern; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>1 unsaved change from %1 wait</source>
        <translation>1 ungesicherte Änderung vom %1 wartet</translation>
    </message>
    <message>
        <source>%1 unsaved changes from %2 wait</source>
        <translation>%1 ungesicherte Änderungen vom %2 warten</translation>
    </message>
    <message>
        <source>open the ledger in Tallix to recover or discard them</source>
        <translation>öffnen Sie das Kassenbuch in Tallix, um sie wiederherzustellen oder zu verwerfen</translation>
    </message>
    <message>
        <source>unsaved changes that cannot be read (%1) wait</source>
        <translation>ungesicherte Änderungen, die sich nicht lesen lassen (%1), warten</translation>
    </message>
    <message>
        <source>open the ledger in Tallix, which keeps them aside</source>
        <translation>öffnen Sie das Kassenbuch in Tallix, das sie beiseitelegt</translation>
    </message>
    <message>
        <source>note: %1: %2 in the recovery journal %3; %4; until then the import is refused</source>
        <translation>Hinweis: %1: %2 im Wiederherstellungsjournal %3; %4; bis dahin wird der Import abgelehnt</translation>
    </message>
    <message>
        <source>%1: %2 in the recovery journal %3; %4, then import the statement; nothing was changed</source>
        <translation>%1: %2 im Wiederherstellungsjournal %3; %4, und importieren Sie dann den Kontoauszug; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument »%1«</translation>
    </message>
    <message>
        <source>balance needs a FILE and --date D</source>
        <translation>balance erwartet ein FILE und --date D</translation>
    </message>
    <message>
        <source>not a date: &apos;%1&apos;</source>
        <translation>kein Datum: »%1«</translation>
    </message>
    <message>
        <source>reconcile needs a FILE, --date D and --balance B</source>
        <translation>reconcile erwartet ein FILE, --date D und --balance B</translation>
    </message>
    <message>
        <source>not an amount: &apos;%1&apos;</source>
        <translation>kein Betrag: »%1«</translation>
    </message>
    <message>
        <source>Cleared balance on %1: %2</source>
        <translation>Bestätigter Saldo am %1: %2</translation>
    </message>
    <message>
        <source>Statement: %1</source>
        <translation>Kontoauszug: %1</translation>
    </message>
    <message>
        <source>Difference: %1</source>
        <translation>Differenz: %1</translation>
    </message>
    <message>
        <source>Outstanding: %1 out (%2), %3 in (%4)</source>
        <translation>Offen: Ausgänge %1 (%2), Eingänge %3 (%4)</translation>
    </message>
    <message>
        <source>--%1 needs a column number from 1</source>
        <translation>--%1 erwartet eine Spaltennummer ab 1</translation>
    </message>
    <message>
        <source>--payee-col needs a column number from 1, or two separated by a comma</source>
        <translation>--payee-col erwartet eine Spaltennummer ab 1 oder zwei durch Komma getrennte</translation>
    </message>
    <message>
        <source>--header takes yes or no</source>
        <translation>--header erwartet yes oder no</translation>
    </message>
    <message>
        <source>--date-order takes mdy, dmy or ymd</source>
        <translation>--date-order erwartet mdy, dmy oder ymd</translation>
    </message>
    <message>
        <source>--decimal takes . or ,</source>
        <translation>--decimal erwartet . oder ,</translation>
    </message>
    <message>
        <source>import needs a LEDGER and a STATEMENT</source>
        <translation>import erwartet ein LEDGER und ein STATEMENT</translation>
    </message>
    <message>
        <source>--format takes qif, csv or ofx</source>
        <translation>--format erwartet qif, csv oder ofx</translation>
    </message>
    <message>
        <source>warning: the columns could not be remembered in the settings</source>
        <translation>Warnung: die Spalten konnten nicht in den Einstellungen gespeichert werden</translation>
    </message>
</context>
<context>
    <name>CliReport</name>
    <message>
        <source>Usage: tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]</source>
        <translation>Aufruf: tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Weitere Informationen mit »tallix-cli --help«.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Income by category</source>
        <translation>Einnahmen nach Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Davor</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(keine Kategorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Previous income</source>
        <translation>Einnahmen davor</translation>
    </message>
    <message>
        <source>Previous spending</source>
        <translation>Ausgaben davor</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>%1 (previous: %2)</source>
        <translation>%1 (davor: %2)</translation>
    </message>
    <message>
        <source>report needs exactly one LEDGER</source>
        <translation>report erwartet genau ein LEDGER</translation>
    </message>
    <message>
        <source>report needs --by category, --by payee or --by month</source>
        <translation>report erwartet --by category, --by payee oder --by month</translation>
    </message>
    <message>
        <source>not a date: &apos;%1&apos;</source>
        <translation>kein Datum: »%1«</translation>
    </message>
    <message>
        <source>--from must not be after --to</source>
        <translation>--from darf nicht nach --to liegen</translation>
    </message>
</context>
<context>
    <name>Companion</name>
    <message>
        <source>it belongs to another ledger: none of its records is in this one</source>
        <translation>sie gehört zu einem anderen Kassenbuch: keiner ihrer Datensätze ist in diesem</translation>
    </message>
    <message>
        <source>it is damaged (a split does not add up to its transaction&apos;s amount)</source>
        <translation>sie ist beschädigt (eine Aufteilung ergibt nicht den Betrag ihrer Buchung)</translation>
    </message>
    <message>
        <source>%1; it was left as it is. Move it aside to save the cleared marks, schedules and categories.</source>
        <translation>%1; sie wurde unverändert gelassen. Legen Sie sie beiseite, um die Bestätigungsvermerke, geplanten Buchungen und Kategorien zu speichern.</translation>
    </message>
</context>
<context>
    <name>CompanionFile</name>
    <message>
        <source>a bank transaction id is longer than 255 characters</source>
        <translation>eine Bank-Buchungskennung ist länger als 255 Zeichen</translation>
    </message>
    <message>
        <source>it is not a file of cleared marks written by Tallix</source>
        <translation>sie ist keine von Tallix geschriebene Datei mit Bestätigungsvermerken</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>sie ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Tallix</source>
        <translation>sie wurde von einer neueren Tallix-Version geschrieben</translation>
    </message>
    <message>
        <source>a statement&apos;s date or ending balance is out of range</source>
        <translation>Datum oder Endsaldo eines Kontoauszugs liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>a deleted record&apos;s bank transaction id is empty</source>
        <translation>die Bank-Buchungskennung eines gelöschten Datensatzes ist leer</translation>
    </message>
    <message>
        <source>a scheduled transaction is not one Tallix can keep</source>
        <translation>eine geplante Buchung kann Tallix nicht aufbewahren</translation>
    </message>
    <message>
        <source>a check&apos;s memo or address is too long</source>
        <translation>die Notiz oder die Adresse eines Schecks ist zu lang</translation>
    </message>
    <message>
        <source>a transaction&apos;s category or split is not one Tallix can keep</source>
        <translation>eine Kategorie oder Aufteilung einer Buchung kann Tallix nicht aufbewahren</translation>
    </message>
    <message>
        <source>the list of categories or an import rule is not one Tallix can keep</source>
        <translation>die Liste der Kategorien oder eine Importregel kann Tallix nicht aufbewahren</translation>
    </message>
</context>
<context>
    <name>CsvGuess</name>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>keine Textdatei</translation>
    </message>
    <message>
        <source>no line of it has columns: not a CSV statement</source>
        <translation>keine Zeile hat Spalten: kein CSV-Kontoauszug</translation>
    </message>
</context>
<context>
    <name>CsvMappingDialog</name>
    <message>
        <source>%1  skipped: %2</source>
        <translation>%1  übersprungen: %2</translation>
    </message>
    <message>
        <source>Statement Columns</source>
        <translation>Spalten des Kontoauszugs</translation>
    </message>
    <message>
        <source>First row holds column &amp;names</source>
        <translation>Erste Zeile enthält die Spalten&amp;namen</translation>
    </message>
    <message>
        <source>Month Day Year</source>
        <translation>Monat Tag Jahr</translation>
    </message>
    <message>
        <source>Day Month Year</source>
        <translation>Tag Monat Jahr</translation>
    </message>
    <message>
        <source>Year Month Day</source>
        <translation>Jahr Monat Tag</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Punkt (1,234.56)</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Komma (1.234,56)</translation>
    </message>
    <message>
        <source>&amp;Date column:</source>
        <translation>&amp;Datumsspalte:</translation>
    </message>
    <message>
        <source>Date &amp;order:</source>
        <translation>Datums&amp;reihenfolge:</translation>
    </message>
    <message>
        <source>&amp;Amount column:</source>
        <translation>&amp;Betragsspalte:</translation>
    </message>
    <message>
        <source>with Debit/credit &amp;words in column:</source>
        <translation>mit Soll/Haben-&amp;Wörtern in Spalte:</translation>
    </message>
    <message>
        <source>or D&amp;ebit column:</source>
        <translation>oder &amp;Soll-Spalte:</translation>
    </message>
    <message>
        <source>and C&amp;redit column:</source>
        <translation>und &amp;Haben-Spalte:</translation>
    </message>
    <message>
        <source>&amp;Payee column:</source>
        <translation>&amp;Empfängerspalte:</translation>
    </message>
    <message>
        <source>and second pa&amp;yee column:</source>
        <translation>und zweite Em&amp;pfängerspalte:</translation>
    </message>
    <message>
        <source>C&amp;heck number column:</source>
        <translation>S&amp;checknummernspalte:</translation>
    </message>
    <message>
        <source>&amp;Type column:</source>
        <translation>&amp;Typspalte:</translation>
    </message>
    <message>
        <source>Stat&amp;us column (pending rows are skipped):</source>
        <translation>Stat&amp;usspalte (vorgemerkte Zeilen werden übersprungen):</translation>
    </message>
    <message>
        <source>Decimal &amp;separator:</source>
        <translation>De&amp;zimaltrennzeichen:</translation>
    </message>
    <message>
        <source>Which column of the statement holds what?</source>
        <translation>Welche Spalte des Kontoauszugs enthält was?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>column number: its name</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1 (%2)</source>
        <translation>Spalte %1 (%2)</translation>
    </message>
    <message>
        <source>First lines as read:
%1</source>
        <translation>Die ersten Zeilen, wie sie gelesen werden:
%1</translation>
    </message>
    <message>
        <source>These columns cannot be read: %1</source>
        <translation>Diese Spalten können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cate&amp;gory column:</source>
        <translation>Kate&amp;goriespalte:</translation>
    </message>
    <message>
        <source>Sp&amp;lit column (as Tallix exports it):</source>
        <translation>&amp;Aufteilungsspalte (wie Tallix sie exportiert):</translation>
    </message>
</context>
<context>
    <name>CsvStatement</name>
    <message>
        <source>Dates read month first, as chosen.</source>
        <translation>Datumsangaben mit dem Monat zuerst gelesen, wie gewählt.</translation>
    </message>
    <message>
        <source>Dates read day first, as chosen.</source>
        <translation>Datumsangaben mit dem Tag zuerst gelesen, wie gewählt.</translation>
    </message>
    <message>
        <source>Dates read year first, as chosen.</source>
        <translation>Datumsangaben mit dem Jahr zuerst gelesen, wie gewählt.</translation>
    </message>
    <message>
        <source>Dates read month first, as the locale writes dates: no date in the statement tells.</source>
        <translation>Datumsangaben mit dem Monat zuerst gelesen, wie das Gebietsschema Datumsangaben schreibt: Kein Datum im Kontoauszug zeigt es an.</translation>
    </message>
    <message>
        <source>Dates read day first, as the locale writes dates: no date in the statement tells.</source>
        <translation>Datumsangaben mit dem Tag zuerst gelesen, wie das Gebietsschema Datumsangaben schreibt: Kein Datum im Kontoauszug zeigt es an.</translation>
    </message>
    <message>
        <source>Dates read year first, as the locale writes dates: no date in the statement tells.</source>
        <translation>Datumsangaben mit dem Jahr zuerst gelesen, wie das Gebietsschema Datumsangaben schreibt: Kein Datum im Kontoauszug zeigt es an.</translation>
    </message>
    <message>
        <source>Dates read day first (%1 has no month %2).</source>
        <translation>Datumsangaben mit dem Tag zuerst gelesen (%1 hat keinen Monat %2).</translation>
    </message>
    <message>
        <source>Dates read day first, as dates written with dots are (%1).</source>
        <translation>Datumsangaben mit dem Tag zuerst gelesen, wie bei Datumsangaben mit Punkten üblich (%1).</translation>
    </message>
    <message>
        <source>Dates read month first (%1 has no month %2).</source>
        <translation>Datumsangaben mit dem Monat zuerst gelesen (%1 hat keinen Monat %2).</translation>
    </message>
    <message>
        <source>1 line before the table skipped.</source>
        <translation>1 Zeile vor der Tabelle übersprungen.</translation>
    </message>
    <message>
        <source>%1 lines before the table skipped.</source>
        <translation>%1 Zeilen vor der Tabelle übersprungen.</translation>
    </message>
    <message>
        <source>1 line after the table skipped.</source>
        <translation>1 Zeile nach der Tabelle übersprungen.</translation>
    </message>
    <message>
        <source>%1 lines after the table skipped.</source>
        <translation>%1 Zeilen nach der Tabelle übersprungen.</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>ein Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>keine Kopfzeile</translation>
    </message>
    <message>
        <source>no date column chosen</source>
        <translation>keine Datumsspalte gewählt</translation>
    </message>
    <message>
        <source>no amount, debit or credit column chosen</source>
        <translation>keine Betrags-, Soll- oder Haben-Spalte gewählt</translation>
    </message>
    <message>
        <source>the header has no column %1</source>
        <translation>die Kopfzeile hat keine Spalte %1</translation>
    </message>
    <message>
        <source>the first row has no column %1</source>
        <translation>die erste Zeile hat keine Spalte %1</translation>
    </message>
    <message>
        <source>the amounts use both &apos;.&apos; and &apos;,&apos; before their cents: say which is the decimal separator</source>
        <translation>die Beträge haben sowohl &apos;.&apos; als auch &apos;,&apos; vor den Cents: Geben Sie an, welches das Dezimaltrennzeichen ist</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the direction column says neither debit nor credit; the words known are %2</source>
        <translation>„%1“ in der Soll/Haben-Spalte bedeutet weder Soll noch Haben; bekannt sind die Wörter %2</translation>
    </message>
    <message>
        <source>not a date: %1</source>
        <translation>kein Datum: %1</translation>
    </message>
    <message>
        <source>not an amount: %1</source>
        <translation>kein Betrag: %1</translation>
    </message>
    <message>
        <source>pending at the bank (%1)</source>
        <translation>bei der Bank vorgemerkt (%1)</translation>
    </message>
    <message>
        <source>no amount</source>
        <translation>kein Betrag</translation>
    </message>
    <message>
        <source>not in the form CATEGORY=AMOUNT|CATEGORY=AMOUNT</source>
        <translation>nicht in der Form KATEGORIE=BETRAG|KATEGORIE=BETRAG</translation>
    </message>
    <message>
        <source>more than %1 parts</source>
        <translation>mehr als %1 Teile</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>Associate &quot;.TLX&quot; files with this application?</source>
        <translation>„.TLX“-Dateien mit diesem Programm verknüpfen?</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>Lowest: %1 on %2</source>
        <translation>Tiefststand: %1 am %2</translation>
    </message>
    <message>
        <source>%1 scheduled due</source>
        <translation>Geplante fällig: %1</translation>
    </message>
    <message>
        <source>Today&apos;s balance: %1</source>
        <translation>Saldo heute: %1</translation>
    </message>
    <message>
        <source>%1 (forecast cut)</source>
        <translation>%1 (Vorschau gekürzt)</translation>
    </message>
    <message>
        <source>Overdue scheduled transactions before %1 are left out: edit the schedules that start before then.</source>
        <translation>Überfällige geplante Buchungen vor dem %1 werden ausgelassen: Bearbeiten Sie die geplanten Buchungen, die davor beginnen.</translation>
    </message>
    <message>
        <source>More than %1 scheduled transactions fall due: those from %2 on are left out.</source>
        <translation>Mehr als %1 geplante Buchungen werden fällig: die ab dem %2 werden ausgelassen.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>check number %1 is beyond %2</source>
        <translation>Schecknummer %1 ist größer als %2</translation>
    </message>
    <message>
        <source>dated on or before the lock date %1</source>
        <translation>datiert am oder vor dem Sperrdatum %1</translation>
    </message>
    <message>
        <source>amount beyond %1</source>
        <translation>Betrag über %1</translation>
    </message>
    <message>
        <source>a date or amount the ledger cannot keep</source>
        <translation>ein Datum oder Betrag, den das Kassenbuch nicht speichern kann</translation>
    </message>
    <message>
        <source>the ledger is full</source>
        <translation>das Kassenbuch ist voll</translation>
    </message>
    <message>
        <source>the ledger has room for %1 more transactions, not %2</source>
        <translation>das Kassenbuch hat Platz für %1 weitere Buchungen, nicht für %2</translation>
    </message>
    <message>
        <source>The statement opens with a balance of %1, this ledger with a starting balance of %2: change it in the settings for the balances to agree.</source>
        <translation>Der Kontoauszug beginnt mit einem Saldo von %1, dieses Kassenbuch mit einem Anfangssaldo von %2: Ändern Sie ihn in den Einstellungen, damit die Salden übereinstimmen.</translation>
    </message>
    <message>
        <source>added as Withdrawal</source>
        <translation>hinzugefügt als Abhebung</translation>
    </message>
    <message>
        <source>added as Fee</source>
        <translation>hinzugefügt als Gebühr</translation>
    </message>
    <message>
        <source>added as Deposit</source>
        <translation>hinzugefügt als Einzahlung</translation>
    </message>
    <message>
        <source>added as Interest</source>
        <translation>hinzugefügt als Zinsen</translation>
    </message>
    <message>
        <source>added as Check %1</source>
        <translation>hinzugefügt als Scheck %1</translation>
    </message>
    <message>
        <source>added as Payment</source>
        <translation>hinzugefügt als Zahlung</translation>
    </message>
    <message>
        <source>%1: enters scheduled %2 of %3</source>
        <comment>added as Payment: enters scheduled Rent of 12/1/2026</comment>
        <translation>%1: bucht die geplante Buchung %2 vom %3</translation>
    </message>
    <message>
        <source>matches %1: marks it cleared</source>
        <translation>entspricht %1: markiert sie als bestätigt</translation>
    </message>
    <message>
        <source>skipped, deleted earlier</source>
        <translation>übersprungen, früher gelöscht</translation>
    </message>
    <message>
        <source>skipped, duplicate of %1</source>
        <translation>übersprungen, Duplikat von %1</translation>
    </message>
    <message>
        <source>skipped, repeats statement line %1</source>
        <translation>übersprungen, wiederholt Auszugszeile %1</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>übersprungen: %1</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>%1, split: %2</source>
        <comment>added as Check 1201, split: Food:Groceries 120.00, Household 67.34</comment>
        <translation>%1, aufgeteilt: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>added as Payment, Food:Groceries</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no category</source>
        <translation>keine Kategorie</translation>
    </message>
</context>
<context>
    <name>ImportPreview</name>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>Statement lines</source>
        <translation>Zeilen des Kontoauszugs</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Check #</source>
        <translation>Scheck-Nr.</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <source>Cut to %1 characters; the statement says: %2</source>
        <translation>Auf %1 Zeichen gekürzt; im Kontoauszug steht: %2</translation>
    </message>
    <message>
        <source>The statement says: %1</source>
        <translation>Im Kontoauszug steht: %1</translation>
    </message>
    <message>
        <source>, %1 to skip for the reasons shown</source>
        <translation>, %1 aus den angezeigten Gründen zu überspringen</translation>
    </message>
    <message>
        <source>%1 to add, %2 to mark cleared, %3 to skip as duplicates%4, %5 refused</source>
        <translation>%1 hinzuzufügen, %2 als bestätigt zu markieren, %3 als Duplikate zu überspringen%4, %5 abgelehnt</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Add as Withdrawal</source>
        <translation>Als Abhebung hinzufügen</translation>
    </message>
    <message>
        <source>Add as Fee</source>
        <translation>Als Gebühr hinzufügen</translation>
    </message>
    <message>
        <source>Add as Deposit</source>
        <translation>Als Einzahlung hinzufügen</translation>
    </message>
    <message>
        <source>Add as Interest</source>
        <translation>Als Zinsen hinzufügen</translation>
    </message>
    <message>
        <source>Add as Check</source>
        <translation>Als Scheck hinzufügen</translation>
    </message>
    <message>
        <source>Add as Payment</source>
        <translation>Als Zahlung hinzufügen</translation>
    </message>
    <message>
        <source>Enters scheduled: %1 on %2</source>
        <translation>Bucht geplante Buchung: %1 am %2</translation>
    </message>
    <message>
        <source>Matches %1: marks it cleared</source>
        <translation>Entspricht %1: markiert sie als bestätigt</translation>
    </message>
    <message>
        <source>Skip: deleted earlier</source>
        <translation>Überspringen: früher gelöscht</translation>
    </message>
    <message>
        <source>Skip: duplicate of %1</source>
        <translation>Überspringen: Duplikat von %1</translation>
    </message>
    <message>
        <source>Skip: repeats row %1</source>
        <translation>Überspringen: wiederholt Zeile %1</translation>
    </message>
    <message>
        <source>Skip: %1</source>
        <translation>Überspringen: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Make a &amp;Rule...</source>
        <translation>&amp;Regel erstellen...</translation>
    </message>
    <message>
        <source>Split as the statement says: %1</source>
        <translation>Aufgeteilt wie im Kontoauszug: %1</translation>
    </message>
    <message>
        <source>As the statement says</source>
        <translation>Wie im Kontoauszug</translation>
    </message>
    <message>
        <source>By the rule for descriptions that contain &quot;%1&quot;</source>
        <translation>Nach der Regel für Beschreibungen, die „%1“ enthalten</translation>
    </message>
    <message>
        <source>As the payee&apos;s last transaction</source>
        <translation>Wie die letzte Buchung des Empfängers</translation>
    </message>
    <message>
        <source>(split)</source>
        <translation>(aufgeteilt)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; → %2</source>
        <comment>description contains TEXT: CATEGORY</comment>
        <translation>„%1“ → %2</translation>
    </message>
    <message>
        <source>Rules kept with the import: %1</source>
        <translation>Regeln, die mit dem Import gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>ImportSequence</name>
    <message>
        <source>Account %1 has no transactions in this statement.</source>
        <translation>Das Konto %1 hat in diesem Kontoauszug keine Buchungen.</translation>
    </message>
</context>
<context>
    <name>JournalFormat</name>
    <message>
        <source>not a recovery journal</source>
        <translation>kein Wiederherstellungsjournal</translation>
    </message>
    <message>
        <source>a journal of version %1, which this version of Tallix cannot read</source>
        <translation>ein Journal der Version %1, das diese Tallix-Version nicht lesen kann</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>sein Kopf ist beschädigt</translation>
    </message>
</context>
<context>
    <name>LedgerCheck</name>
    <message>
        <source>the lock date %1 is not a date from 1/1/100 to 12/31/9999</source>
        <translation>das Sperrdatum %1 ist kein Datum vom 1.1.100 bis 31.12.9999</translation>
    </message>
    <message>
        <source>date %1 is not a date from 1/1/100 to 12/31/9999</source>
        <translation>Datum %1 ist kein Datum vom 1.1.100 bis 31.12.9999</translation>
    </message>
    <message>
        <source>the lock date %1 carries a time of day</source>
        <translation>das Sperrdatum %1 enthält eine Uhrzeit</translation>
    </message>
    <message>
        <source>date %1 carries a time of day</source>
        <translation>Datum %1 enthält eine Uhrzeit</translation>
    </message>
    <message>
        <source>the starting balance %1 is not an amount of at most %2 either way</source>
        <translation>der Anfangssaldo %1 ist kein Betrag von höchstens %2 in beide Richtungen</translation>
    </message>
    <message>
        <source>amount %1 is not an amount of at most %2 either way</source>
        <translation>Betrag %1 ist kein Betrag von höchstens %2 in beide Richtungen</translation>
    </message>
    <message>
        <source>check %1 appears %2 times (records %3)</source>
        <translation>Scheck %1 kommt %2-mal vor (Datensätze %3)</translation>
    </message>
    <message>
        <source>check %1 is missing</source>
        <translation>Scheck %1 fehlt</translation>
    </message>
    <message>
        <source>checks %1 to %2 are missing</source>
        <translation>Schecks %1 bis %2 fehlen</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, shorter than its 64-byte header</source>
        <translation>die Datei ist %1 Byte lang, kürzer als ihr 64 Byte langer Kopf</translation>
    </message>
    <message>
        <source>the header text is not &quot;CHECK DATA HEADER&quot;</source>
        <translation>der Kopftext ist nicht „CHECK DATA HEADER“</translation>
    </message>
    <message>
        <source>the record count %1 is below 1</source>
        <translation>die Anzahl der Datensätze %1 ist kleiner als 1</translation>
    </message>
    <message>
        <source>the next check number %1 is negative</source>
        <translation>die nächste Schecknummer %1 ist negativ</translation>
    </message>
    <message>
        <source>the header counts %1 records but the file holds %2</source>
        <translation>der Kopf zählt %1 Datensätze, die Datei enthält aber %2</translation>
    </message>
    <message>
        <source>%1 bytes follow the last counted record and are never read</source>
        <translation>%1 Byte folgen auf den letzten gezählten Datensatz und werden nie gelesen</translation>
    </message>
    <message>
        <source>type code %1 is not 0 to 4</source>
        <translation>Typcode %1 liegt nicht zwischen 0 und 4</translation>
    </message>
    <message>
        <source>check number %1 is neither 1 or more (a check) nor -1 (a payment)</source>
        <translation>Schecknummer %1 ist weder 1 oder größer (ein Scheck) noch -1 (eine Zahlung)</translation>
    </message>
    <message>
        <source>check number %1 on a record of type %2, which usually carries 0</source>
        <translation>Schecknummer %1 bei einem Datensatz vom Typ %2, der gewöhnlich 0 trägt</translation>
    </message>
    <message>
        <source>amount %1 carries a sign; the type tells debits from credits</source>
        <translation>Betrag %1 hat ein Vorzeichen; der Typ unterscheidet Belastungen von Gutschriften</translation>
    </message>
    <message>
        <source>locked flag %1 is neither 0 nor -1; it reads as locked</source>
        <translation>Sperrkennzeichen %1 ist weder 0 noch -1; es gilt als gesperrt</translation>
    </message>
    <message>
        <source>the description holds control characters: &quot;%1&quot;</source>
        <translation>die Beschreibung enthält Steuerzeichen: „%1“</translation>
    </message>
</context>
<context>
    <name>LedgerFile</name>
    <message>
        <source>Error opening file</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Unknown file type</source>
        <translation>Unbekannter Dateityp</translation>
    </message>
    <message>
        <source>Unable to save file:</source>
        <translation>Datei kann nicht gespeichert werden:</translation>
    </message>
    <message>
        <source>It changed on disk since it was read.</source>
        <translation>Sie wurde auf dem Datenträger geändert, seit sie gelesen wurde.</translation>
    </message>
    <message>
        <source>It is open in another copy of Tallix: %1.</source>
        <translation>Sie ist in einer anderen Tallix-Instanz geöffnet: %1.</translation>
    </message>
    <message>
        <source>1 cleared mark</source>
        <translation>1 Bestätigungsvermerk</translation>
    </message>
    <message>
        <source>%1 cleared marks</source>
        <translation>%1 Bestätigungsvermerke</translation>
    </message>
    <message>
        <source>1 bank transaction id</source>
        <translation>1 Bank-Buchungskennung</translation>
    </message>
    <message>
        <source>%1 bank transaction ids</source>
        <translation>%1 Bank-Buchungskennungen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 of %2 could not be matched to its records and was dropped.</source>
        <translation>%1 von %2 ließ sich keinem Datensatz zuordnen und wurde verworfen.</translation>
    </message>
    <message>
        <source>%1 of %2 could not be matched to its records and were dropped.</source>
        <translation>%1 von %2 ließen sich keinem Datensatz zuordnen und wurden verworfen.</translation>
    </message>
    <message>
        <source>it was not there when the ledger was opened</source>
        <translation>sie war beim Öffnen des Kassenbuchs nicht vorhanden</translation>
    </message>
    <message>
        <source>1 check&apos;s memo or address</source>
        <translation>1 Schecknotiz oder -adresse</translation>
    </message>
    <message>
        <source>%1 checks&apos; memos or addresses</source>
        <translation>%1 Schecknotizen oder -adressen</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The ledger opens without its cleared marks, schedules and categories, and saving leaves that file as it is; move it aside to save new ones.</source>
        <translation>%1 ist nicht verwendbar: %2. Das Kassenbuch wird ohne seine Bestätigungsvermerke, geplanten Buchungen und Kategorien geöffnet, und beim Speichern bleibt diese Datei unverändert; legen Sie sie beiseite, um neue zu speichern.</translation>
    </message>
    <message>
        <source>1 transaction&apos;s category</source>
        <translation>1 Kategorie einer Buchung</translation>
    </message>
    <message>
        <source>%1 transactions&apos; categories</source>
        <translation>%1 Kategorien von Buchungen</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <translation>%1, %2, %3 und %4</translation>
    </message>
</context>
<context>
    <name>LedgerHold</name>
    <message>
        <source>a copy that did not say who it is, since %1</source>
        <translation>eine Instanz, die sich nicht zu erkennen gab, seit %1</translation>
    </message>
    <message>
        <source>%1 on %2 (process %3) since %4</source>
        <translation>%1 auf %2 (Prozess %3) seit %4</translation>
    </message>
    <message>
        <source>someone</source>
        <translation>jemand</translation>
    </message>
</context>
<context>
    <name>LedgerRecovery</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Unsaved changes cannot be kept for recovery after a crash:</source>
        <translation>Ungesicherte Änderungen können nicht für eine Wiederherstellung nach einem Absturz aufbewahrt werden:</translation>
    </message>
    <message>
        <source>Save the ledger to keep them.</source>
        <translation>Speichern Sie das Kassenbuch, um sie zu behalten.</translation>
    </message>
    <message>
        <source>The recovery journal %1 cannot be removed: %2.</source>
        <translation>Das Wiederherstellungsjournal %1 kann nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>The next time this ledger is opened, Tallix may offer its changes again although they were saved or discarded; discard them then.</source>
        <translation>Beim nächsten Öffnen dieses Kassenbuchs bietet Tallix seine Änderungen womöglich erneut an, obwohl sie gespeichert oder verworfen wurden; verwerfen Sie sie dann.</translation>
    </message>
</context>
<context>
    <name>LedgerRules</name>
    <message>
        <source>Date must be greater than %1</source>
        <translation>Das Datum muss nach dem %1 liegen</translation>
    </message>
</context>
<context>
    <name>Locale</name>
    <message>
        <source>%1 would be kept as %2: amounts are kept to the cent up to %3</source>
        <translation>%1 würde als %2 gespeichert: Beträge werden bis %3 centgenau gespeichert</translation>
    </message>
</context>
<context>
    <name>OfxStatement</name>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list: 9100, 9200 and 9300</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>no &lt;OFX&gt; element: not an OFX file</source>
        <translation>kein &lt;OFX&gt;-Element: keine OFX-Datei</translation>
    </message>
    <message>
        <source>a tag is never closed with &apos;&gt;&apos;</source>
        <translation>ein Tag wird nie mit &apos;&gt;&apos; geschlossen</translation>
    </message>
    <message>
        <source>&lt;STMTTRN&gt; is never closed</source>
        <translation>&lt;STMTTRN&gt; wird nie geschlossen</translation>
    </message>
    <message>
        <source>the file ends before &lt;/OFX&gt;</source>
        <translation>die Datei endet vor &lt;/OFX&gt;</translation>
    </message>
    <message>
        <source>The file lists account %1 but holds no statement of its transactions.</source>
        <translation>Die Datei nennt das Konto %1, enthält aber keinen Auszug seiner Buchungen.</translation>
    </message>
    <message>
        <source>The file lists accounts %1 but holds no statement of their transactions.</source>
        <translation>Die Datei nennt die Konten %1, enthält aber keinen Auszug ihrer Buchungen.</translation>
    </message>
    <message>
        <source>The statement holds no transactions.</source>
        <translation>Der Kontoauszug enthält keine Buchungen.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>&lt;STMTTRN&gt; inside the &lt;STMTTRN&gt; of line %1</source>
        <translation>&lt;STMTTRN&gt; innerhalb des &lt;STMTTRN&gt; aus Zeile %1</translation>
    </message>
    <message>
        <source>elements nested deeper than %1</source>
        <translation>Elemente tiefer verschachtelt als %1</translation>
    </message>
    <message>
        <source>a CDATA section is never closed with &apos;]]&gt;&apos;</source>
        <translation>ein CDATA-Abschnitt wird nie mit &apos;]]&gt;&apos; geschlossen</translation>
    </message>
    <message>
        <source>the bank answered with error %1; the file holds no statement</source>
        <translation>die Bank antwortete mit Fehler %1; die Datei enthält keinen Kontoauszug</translation>
    </message>
    <message>
        <source>The bank answered with warning %1</source>
        <translation>Die Bank antwortete mit Warnung %1</translation>
    </message>
    <message>
        <source>&lt;/%1&gt; without &lt;%1&gt;</source>
        <translation>&lt;/%1&gt; ohne &lt;%1&gt;</translation>
    </message>
    <message>
        <source>not a date in DTPOSTED: &apos;%1&apos;</source>
        <translation>kein Datum in DTPOSTED: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the bank gave no amount (null)</source>
        <translation>die Bank gab keinen Betrag an (null)</translation>
    </message>
    <message>
        <source>not an amount in TRNAMT: &apos;%1&apos;</source>
        <translation>kein Betrag in TRNAMT: &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is no longer a pipe or a device</source>
        <translation>sie ist keine Pipe und kein Gerät mehr</translation>
    </message>
    <message>
        <source>it is the file being exported</source>
        <translation>sie ist die Datei, die exportiert wird</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <source>it is neither a regular file, a pipe nor a character device</source>
        <translation>sie ist weder eine reguläre Datei noch eine Pipe noch ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>it is a Tallix ledger</source>
        <translation>sie ist ein Tallix-Kassenbuch</translation>
    </message>
    <message>
        <source>it cannot be read to see whether it is a ledger</source>
        <translation>sie lässt sich nicht lesen, um zu prüfen, ob sie ein Kassenbuch ist</translation>
    </message>
    <message>
        <source>not a file to write</source>
        <translation>keine Datei zum Schreiben</translation>
    </message>
</context>
<context>
    <name>QifStatement</name>
    <message>
        <source>line %1: the dates are written in both orders: %2 is day first, %3 month first</source>
        <translation>Zeile %1: Die Datumsangaben sind in beiden Reihenfolgen geschrieben: %2 hat den Tag zuerst, %3 den Monat</translation>
    </message>
    <message>
        <source>Dates read day first (%1 has no month %2).</source>
        <translation>Datumsangaben mit dem Tag zuerst gelesen (%1 hat keinen Monat %2).</translation>
    </message>
    <message>
        <source>Dates read month first (%1 has no month %2).</source>
        <translation>Datumsangaben mit dem Monat zuerst gelesen (%1 hat keinen Monat %2).</translation>
    </message>
    <message>
        <source>Dates read day first, as dates written with dots are (%1).</source>
        <translation>Datumsangaben mit dem Tag zuerst gelesen, wie bei Datumsangaben mit Punkten üblich (%1).</translation>
    </message>
    <message>
        <source>Dates read month first, as QIF usually writes them (%1).</source>
        <translation>Datumsangaben mit dem Monat zuerst gelesen, wie QIF sie meist schreibt (%1).</translation>
    </message>
    <message>
        <source>transaction without a date (D)</source>
        <translation>Buchung ohne Datum (D)</translation>
    </message>
    <message>
        <source>transaction without an amount (T)</source>
        <translation>Buchung ohne Betrag (T)</translation>
    </message>
    <message>
        <source>%1 is no bank, cash or credit card account</source>
        <translation>%1 ist kein Bank-, Bargeld- oder Kreditkartenkonto</translation>
    </message>
    <message>
        <source>unknown header %1</source>
        <translation>unbekannte Kopfzeile %1</translation>
    </message>
    <message>
        <source>no !Type:Bank, !Type:Cash or !Type:CCard line before the transactions</source>
        <translation>keine Zeile !Type:Bank, !Type:Cash oder !Type:CCard vor den Buchungen</translation>
    </message>
    <message>
        <source>not a date: %1</source>
        <translation>kein Datum: %1</translation>
    </message>
    <message>
        <source>not an amount: %1</source>
        <translation>kein Betrag: %1</translation>
    </message>
    <message>
        <source>The file holds no bank, cash or credit card transactions.</source>
        <translation>Die Datei enthält keine Bank-, Bargeld- oder Kreditkartenbuchungen.</translation>
    </message>
    <message>
        <source>more than %1 parts</source>
        <translation>mehr als %1 Teile</translation>
    </message>
</context>
<context>
    <name>RegisterCells</name>
    <message>
        <source>Check #</source>
        <translation>Scheck-Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description of Transaction</source>
        <translation>Beschreibung der Buchung</translation>
    </message>
    <message>
        <source>Payment/Debit</source>
        <translation>Zahlung/Soll</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Deposit/Credit</source>
        <translation>Einzahlung/Haben</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>(split)</source>
        <translation>(aufgeteilt)</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(keine Kategorie)</translation>
    </message>
</context>
<context>
    <name>RegisterGrid</name>
    <message>
        <source>Delete this record?</source>
        <translation>Diese Buchung löschen?</translation>
    </message>
    <message>
        <source>Void check %1 to %2, dated %3? Its amount becomes %4; its number and date stay.</source>
        <translation>Scheck %1 an %2 vom %3 stornieren? Sein Betrag wird %4; Nummer und Datum bleiben erhalten.</translation>
    </message>
    <message>
        <source>%1 is split into parts, and its amount changes from %2 to %3. How should the parts change?</source>
        <translation>%1 ist aufgeteilt, und der Betrag ändert sich von %2 auf %3. Wie sollen sich die Teile ändern?</translation>
    </message>
    <message>
        <source>Scale in Proportion</source>
        <translation>Anteilig anpassen</translation>
    </message>
    <message>
        <source>Difference to the Last Part</source>
        <translation>Differenz in den letzten Teil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RegisterPrint</name>
    <message>
        <source>none</source>
        <comment>no lock date</comment>
        <translation>keines</translation>
    </message>
    <message>
        <source>Starting balance: %1    Lock date: %2    Printed: %3</source>
        <translation>Anfangssaldo: %1    Sperrdatum: %2    Gedruckt: %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>RegisterText</name>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Starting balance:   %1
Lock date:          %2
Next check number:  %3
</source>
        <translation>Anfangssaldo:          %1
Sperrdatum:            %2
Nächste Schecknummer:  %3
</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Nothing in this period.</source>
        <translation>In diesem Zeitraum nichts.</translation>
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
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Veränderung</translation>
    </message>
    <message>
        <source>No category</source>
        <translation>Ohne Kategorie</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Previous income</source>
        <translation>Einnahmen vorher</translation>
    </message>
    <message>
        <source>Previous spending</source>
        <translation>Ausgaben vorher</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Income by category</source>
        <translation>Einnahmen nach Kategorie</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>This period</source>
        <translation>Dieser Zeitraum</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Voriger Zeitraum</translation>
    </message>
    <message>
        <source>Income and spending by month</source>
        <translation>Einnahmen und Ausgaben nach Monat</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>ReportsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Zeitraum wählen</translation>
    </message>
    <message>
        <source>Co&amp;mpare with the previous period</source>
        <translation>Mit dem vorigen Zeitraum ver&amp;gleichen</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Cha&amp;rt:</source>
        <translation>&amp;Diagramm:</translation>
    </message>
    <message>
        <source>By c&amp;ategory</source>
        <translation>Nach &amp;Kategorie</translation>
    </message>
    <message>
        <source>By m&amp;onth</source>
        <translation>Nach &amp;Monat</translation>
    </message>
    <message>
        <source>By pa&amp;yee</source>
        <translation>Nach &amp;Empfänger</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als PD&amp;F speichern...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save C&amp;hart...</source>
        <translation>Diagramm &amp;speichern...</translation>
    </message>
    <message>
        <source>%1, compared with %2</source>
        <translation>%1, verglichen mit %2</translation>
    </message>
    <message>
        <source>Income and spending by month</source>
        <translation>Einnahmen und Ausgaben nach Monat</translation>
    </message>
    <message>
        <source>Spending by payee</source>
        <translation>Ausgaben nach Empfänger</translation>
    </message>
    <message>
        <source>Spending and income by category</source>
        <translation>Ausgaben und Einnahmen nach Kategorie</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>report: ledger</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>Unable to print the report.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>nothing could be drawn</source>
        <translation>es konnte nichts gezeichnet werden</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>Unable to save the report to %1: %2.</source>
        <translation>Der Bericht konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV-Datei</translation>
    </message>
    <message>
        <source>Unable to export the report to %1: %2.</source>
        <translation>Der Bericht konnte nicht nach %1 exportiert werden: %2.</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>SVG-Bild</translation>
    </message>
    <message>
        <source>Unable to save the chart to %1: %2.</source>
        <translation>Das Diagramm konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>RuleDialog</name>
    <message>
        <source>Make a Rule</source>
        <translation>Regel erstellen</translation>
    </message>
    <message>
        <source>&amp;Description contains:</source>
        <translation>&amp;Beschreibung enthält:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>Lines whose description contains the text (ignoring case) take the category, in this import and the next ones.</source>
        <translation>Zeilen, deren Beschreibung den Text enthält (ohne Rücksicht auf Groß- und Kleinschreibung), erhalten die Kategorie, in diesem Import und den nächsten.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>Geplante Buchung</translation>
    </message>
    <message>
        <source>Amount &amp;varies</source>
        <translation>Betrag &amp;schwankt</translation>
    </message>
    <message>
        <source>by up to</source>
        <translation>um bis zu</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>On &amp;day</source>
        <translation>Am Ta&amp;g</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>A&amp;m</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>N&amp;ie</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Am</translation>
    </message>
    <message>
        <source>&amp;After</source>
        <translation>Na&amp;ch</translation>
    </message>
    <message>
        <source>times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>Am selben Tag</translation>
    </message>
    <message>
        <source>Move before</source>
        <translation>Vorziehen</translation>
    </message>
    <message>
        <source>Move after</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>Ty&amp;p:</translation>
    </message>
    <message>
        <source>D&amp;escription:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>Be&amp;trag:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>&amp;Wiederholen alle:</translation>
    </message>
    <message>
        <source>&amp;Starts:</source>
        <translation>Begi&amp;nnt:</translation>
    </message>
    <message>
        <source>Ends:</source>
        <translation>Endet:</translation>
    </message>
    <message>
        <source>On a &amp;weekend:</source>
        <translation>Am Wochen&amp;ende:</translation>
    </message>
    <message>
        <source>ended</source>
        <comment>a schedule with no next date</comment>
        <translation>beendet</translation>
    </message>
    <message>
        <source>none, the schedule ends before it starts</source>
        <translation>keine, die geplante Buchung endet vor ihrem Beginn</translation>
    </message>
    <message>
        <source>%1 (due)</source>
        <comment>a date</comment>
        <translation>%1 (fällig)</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next date of a schedule</comment>
        <translation>Nächste: %1</translation>
    </message>
    <message>
        <source>The schedule needs a description.</source>
        <translation>Die geplante Buchung braucht eine Beschreibung.</translation>
    </message>
    <message>
        <source>The amount must be an amount such as %1.</source>
        <translation>Der Betrag muss ein Betrag wie %1 sein.</translation>
    </message>
    <message>
        <source>The tolerance must be an amount such as %1.</source>
        <translation>Die Abweichung muss ein Betrag wie %1 sein.</translation>
    </message>
    <message>
        <source>The schedule ends before it starts.</source>
        <translation>Die geplante Buchung endet vor ihrem Beginn.</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>%1st</source>
        <comment>ordinal: 1st</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>ordinal: 21st, 31st, 101st...</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <comment>ordinal: 2nd, 22nd, 32nd...</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <comment>ordinal: 3rd, 23rd, 33rd...</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <comment>ordinal: 4th, 11th, 12th, 13th, 20th...</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>first</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>ersten</translation>
    </message>
    <message>
        <source>second</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>third</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>dritten</translation>
    </message>
    <message>
        <source>fourth</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>vierten</translation>
    </message>
    <message>
        <source>last</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>letzten</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Every month on the %1</source>
        <translation>Jeden Monat am %1</translation>
    </message>
    <message>
        <source>Every %1 months on the %2</source>
        <translation>Alle %1 Monate am %2</translation>
    </message>
    <message>
        <source>Every month on the %1 %2</source>
        <comment>on the first Monday</comment>
        <translation>Jeden Monat am %1 %2</translation>
    </message>
    <message>
        <source>Every %1 months on the %2 %3</source>
        <comment>on the first Monday</comment>
        <translation>Alle %1 Monate am %2 %3</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Every %1 days</source>
        <translation>Alle %1 Tage</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Jede Woche</translation>
    </message>
    <message>
        <source>Every %1 weeks</source>
        <translation>Alle %1 Wochen</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <comment>Every week, until 12/31/2027</comment>
        <translation>%1, bis %2</translation>
    </message>
    <message>
        <source>%1, once</source>
        <comment>Every week, once</comment>
        <translation>%1, einmal</translation>
    </message>
    <message>
        <source>%1, %2 times</source>
        <comment>Every week, 12 times</comment>
        <translation>%1, %2-mal</translation>
    </message>
    <message>
        <source>%1 (varies)</source>
        <comment>an amount that varies</comment>
        <translation>%1 (schwankt)</translation>
    </message>
    <message>
        <source>ended</source>
        <comment>a schedule with no next date</comment>
        <translation>beendet</translation>
    </message>
</context>
<context>
    <name>SchedulesWindow</name>
    <message>
        <source>Schedules</source>
        <translation>Geplante Buchungen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Next</source>
        <comment>the next date of a schedule</comment>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source> days</source>
        <comment>look ahead: 30 days</comment>
        <translation> Tage</translation>
    </message>
    <message>
        <source>&amp;Look ahead:</source>
        <translation>&amp;Vorschau:</translation>
    </message>
    <message>
        <source>&amp;Warn below:</source>
        <translation>&amp;Warnen unter:</translation>
    </message>
    <message>
        <source>Delete the schedule %1?</source>
        <translation>Die geplante Buchung %1 löschen?</translation>
    </message>
    <message>
        <source>The balance to warn below must be an amount such as %1.</source>
        <translation>Der Saldo für die Warnung muss ein Betrag wie %1 sein.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Starting Balance:</source>
        <translation>Anfangssaldo:</translation>
    </message>
    <message>
        <source>Next Check Number:</source>
        <translation>Nächste Schecknummer:</translation>
    </message>
</context>
<context>
    <name>SplitEditor</name>
    <message>
        <source>Split</source>
        <translation>Aufteilung</translation>
    </message>
    <message>
        <source>&amp;Parts of %1, %2:</source>
        <translation>&amp;Teile von %1, %2:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>&amp;Add Part</source>
        <translation>Teil hinzu&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation>Teil &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove &amp;Split</source>
        <translation>Aufteilung auf&amp;lösen</translation>
    </message>
    <message>
        <source>Left to assign: %1</source>
        <translation>Noch zuzuordnen: %1</translation>
    </message>
    <message>
        <source>Left to assign: ?</source>
        <translation>Noch zuzuordnen: ?</translation>
    </message>
    <message>
        <source>A split needs at least two parts: add a part.</source>
        <translation>Eine Aufteilung braucht mindestens zwei Teile: Fügen Sie einen Teil hinzu.</translation>
    </message>
    <message>
        <source>Part %1: &quot;%2&quot; is not a category. Type a name, or names separated by colons, such as Food:Groceries.</source>
        <translation>Teil %1: „%2“ ist keine Kategorie. Geben Sie einen Namen ein oder Namen, durch Doppelpunkte getrennt, etwa Lebensmittel:Einkauf.</translation>
    </message>
    <message>
        <source>Part %1: &quot;%2&quot; is not an amount. Type one such as %3, with at most two decimals.</source>
        <translation>Teil %1: „%2“ ist kein Betrag. Geben Sie einen wie %3 ein, mit höchstens zwei Nachkommastellen.</translation>
    </message>
    <message>
        <source>%1 is left to assign: the parts must add up to %2. Change a part&apos;s amount, or add a part.</source>
        <translation>%1 ist noch zuzuordnen: Die Teile müssen zusammen %2 ergeben. Ändern Sie den Betrag eines Teils oder fügen Sie einen Teil hinzu.</translation>
    </message>
</context>
<context>
    <name>SpoiledFormsDialog</name>
    <message>
        <source>Checks Not Printed</source>
        <translation>Nicht gedruckte Schecks</translation>
    </message>
    <message>
        <source>Tick each form that did not print correctly. The first of them and every check after it wait to be printed again, on new forms.</source>
        <translation>Markieren Sie jedes Formular, das nicht richtig gedruckt wurde. Das erste davon und jeder Scheck danach warten darauf, erneut auf neue Formulare gedruckt zu werden.</translation>
    </message>
    <message>
        <source>Check %1: %2, %3</source>
        <translation>Scheck %1: %2, %3</translation>
    </message>
    <message>
        <source>Record the ticked forms as voided checks</source>
        <translation>Markierte Formulare als stornierte Schecks erfassen</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB: no statement is that large</source>
        <translation>%1 ist größer als %2 MiB: So groß ist kein Kontoauszug</translation>
    </message>
    <message>
        <source>no column mapping is known for a statement with %1</source>
        <translation>für einen Kontoauszug mit %1 ist keine Spaltenzuordnung bekannt</translation>
    </message>
    <message>
        <source>no column mapping is known for the header line: %1</source>
        <translation>für die Kopfzeile ist keine Spaltenzuordnung bekannt: %1</translation>
    </message>
</context>
<context>
    <name>StatementDialog</name>
    <message>
        <source>Balance to Statement</source>
        <translation>Mit Kontoauszug abstimmen</translation>
    </message>
    <message>
        <source>Statement &amp;date:</source>
        <translation>Datum des &amp;Kontoauszugs:</translation>
    </message>
    <message>
        <source>Ending &amp;balance:</source>
        <translation>&amp;Endsaldo:</translation>
    </message>
</context>
<context>
    <name>StatementReading</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>more transactions than a ledger holds (%1)</source>
        <translation>mehr Buchungen, als ein Kassenbuch fasst (%1)</translation>
    </message>
    <message>
        <source>an amount the ledger cannot keep to the cent: %1</source>
        <translation>ein Betrag, den das Kassenbuch nicht auf den Cent genau speichern kann: %1</translation>
    </message>
    <message>
        <source>The statement holds only investment transactions (%1): a check register does not keep them.</source>
        <translation>Der Kontoauszug enthält nur Wertpapierbuchungen (%1): Ein Scheckregister führt sie nicht.</translation>
    </message>
    <message>
        <source>1 investment transaction is not kept in a check register.</source>
        <translation>1 Wertpapierbuchung wird in einem Scheckregister nicht geführt.</translation>
    </message>
    <message>
        <source>%1 investment transactions are not kept in a check register.</source>
        <translation>%1 Wertpapierbuchungen werden in einem Scheckregister nicht geführt.</translation>
    </message>
    <message>
        <source>Categories longer than %1 characters were cut, the first on line %2.</source>
        <translation>Kategorien mit mehr als %1 Zeichen wurden gekürzt, die erste in Zeile %2.</translation>
    </message>
    <message>
        <source>Line %1: split left out (%2); the transaction is added without it.</source>
        <translation>Zeile %1: Aufteilung ausgelassen (%2); die Buchung wird ohne sie hinzugefügt.</translation>
    </message>
    <message>
        <source>the parts add up to %1, not %2</source>
        <translation>die Teile ergeben zusammen %1, nicht %2</translation>
    </message>
</context>
<context>
    <name>TallixCli</name>
    <message>
        <source>Reads a Tallix data file (.tlx); only import changes it. print shows the cleared marks in column C:
c cleared, R reconciled.
</source>
        <translation>Liest eine Tallix-Datendatei (.tlx); nur import ändert sie. print zeigt die Bestätigungsvermerke
in Spalte C: c bestätigt, R abgestimmt.
</translation>
    </message>
    <message>
        <source>  print    the register as the register window shows it: sorted by date, with running balances;
           with --pdf, as pages in the PDF file OUT (- for standard output), as the program prints it
</source>
        <translation>  print    das Register, wie das Registerfenster es zeigt: nach Datum sortiert, mit laufendem Saldo;
           mit --pdf als Seiten in der PDF-Datei OUT (- für die Standardausgabe), so wie das
           Programm es druckt
</translation>
    </message>
    <message>
        <source>  check    validate the file against the format; exit status 0 when sound, 1 when not; also notes
           unsaved changes that a crashed window left for recovery
</source>
        <translation>  check    prüft die Datei gegen das Format; Rückgabewert 0, wenn sie in Ordnung ist, sonst 1;
           meldet auch ungesicherte Änderungen, die ein abgestürztes Fenster zur Wiederherstellung
           hinterlassen hat
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
        <translation>  import   fügt einen Kontoauszug (OFX, QFX, QIF oder CSV) dem Kassenbuch hinzu: eine Zeile je
           Buchung sagt, ob sie hinzugefügt wird und als welcher Typ, als Duplikat welches
           Datensatzes übersprungen oder abgelehnt und warum; danach wird das Kassenbuch
           gespeichert, außer mit --dry-run. Das Format ergibt sich aus der Dateiendung oder dem
           Inhalt, sofern --format es nicht nennt. Ein Kontoauszug mehrerer Konten wird mit deren
           Liste abgelehnt; --account ID importiert das Konto mit dieser Kennung. Rückgabewert 3,
           wenn Zeilen abgelehnt wurden (die übrigen werden hinzugefügt). Ein im Fenster (oder in
           einem anderen Import) geöffnetes Kassenbuch wird mit Rückgabewert 1 abgelehnt.
</translation>
    </message>
    <message>
        <source>  balance  the balance at the end of day D (ISO 2024-01-31 or the locale&apos;s short date)
</source>
        <translation>  balance  der Saldo am Ende des Tages D (ISO 2024-01-31 oder das kurze Datumsformat des
           Gebietsschemas)
</translation>
    </message>
    <message>
        <source>  reconcile  a bank statement&apos;s ending balance B on day D against the cleared balance (reconciled
           and cleared transactions), with the difference and the outstanding transactions; changes
           nothing. Exit status 0 when they agree, 3 when they do not
</source>
        <translation>  reconcile  der Endsaldo B eines Kontoauszugs am Tag D gegen den bestätigten Saldo (abgestimmte und
           bestätigte Buchungen), mit der Differenz und den offenen Buchungen; ändert nichts.
           Rückgabewert 0, wenn sie übereinstimmen, sonst 3
</translation>
    </message>
    <message>
        <source>  forecast the scheduled transactions due from today up to N days ahead (by default as set in the
           program), overdue ones marked due, with the running balance; then today&apos;s balance and the
           lowest the balance reaches, with its date. Exit status 3 when that is below zero, or below
           the balance set to warn below
</source>
        <translation>  forecast die geplanten Buchungen, die von heute an bis N Tage im Voraus fällig sind (standardmäßig
           wie im Programm eingestellt), überfällige als fällig markiert, mit dem laufenden Saldo;
           danach der heutige Saldo und der tiefste Stand, den der Saldo erreicht, mit seinem Datum.
           Rückgabewert 3, wenn dieser unter null liegt oder unter dem Saldo, unter dem gewarnt
           werden soll
</translation>
    </message>
    <message>
        <source>  chart    the balance chart as the program draws it: the balance from the first transaction, the
           forecast of the scheduled transactions for N days (at most 3660; by default the program&apos;s
           horizon, 30 days unless changed) with its lowest point, and the money in and out of each
           month; as a PNG image or SVG drawing of 1200 x 700 pixels or a PDF page, in OUT (- for
           standard output)
</source>
        <translation>  chart    das Saldodiagramm, wie das Programm es zeichnet: der Saldo ab der ersten Buchung, die
           Vorschau der geplanten Buchungen für N Tage (höchstens 3660; standardmäßig der Zeitraum
           des Programms, 30 Tage, sofern nicht geändert) mit ihrem Tiefststand sowie Ein- und
           Ausgänge jedes Monats; als PNG-Bild oder SVG-Zeichnung von 1200 x 700 Pixeln oder als
           PDF-Seite, in OUT (- für die Standardausgabe)
</translation>
    </message>
    <message>
        <source>  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden
</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Weitere Informationen mit »tallix-cli --help«.</translation>
    </message>
    <message>
        <source>will not write %1: %2</source>
        <translation>%1 wird nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>more than one FILE</source>
        <translation>mehr als ein FILE</translation>
    </message>
    <message>
        <source>export needs a FILE</source>
        <translation>export erwartet ein FILE</translation>
    </message>
    <message>
        <source>tallix-pdf, which draws the pages, is not installed beside tallix-cli</source>
        <translation>tallix-pdf, das die Seiten zeichnet, ist nicht neben tallix-cli installiert</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>%1 kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>chart needs exactly one FILE</source>
        <translation>chart erwartet genau ein FILE</translation>
    </message>
    <message>
        <source>chart needs one of --png OUT, --svg OUT or --pdf OUT</source>
        <translation>chart erwartet eine der Optionen --png OUT, --svg OUT oder --pdf OUT</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1 to %1</source>
        <translation>--days erwartet eine Anzahl Tage von 1 bis %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl »%1«</translation>
    </message>
    <message>
        <source>%1 needs exactly one FILE</source>
        <translation>%1 erwartet genau ein FILE</translation>
    </message>
    <message>
        <source>cannot write the register to standard output</source>
        <translation>das Register kann nicht auf die Standardausgabe geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>auf die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>  checks   checks printed on check stock, as pages in the PDF file OUT (- for standard output): the
           checks waiting to print (--waiting, the default) or those numbered FIRST to LAST. --format
           names the stock (by default laser-three, three checks per page; a format file that cannot be
           read is named and skipped); --offset moves every field X inches right and Y inches down
           (negative: left and up; at most 1 inch; by default as set in the program for that stock)
</source>
        <translation>  checks   Schecks auf Scheckvordrucken, als Seiten in der PDF-Datei OUT (- für die Standardausgabe):
           die Schecks, die auf den Druck warten (--waiting, Standard), oder die mit den Nummern FIRST
           bis LAST. --format nennt die Vordrucke (standardmäßig laser-three, drei Schecks pro Seite;
           eine unlesbare Formatdatei wird genannt und übergangen); --offset verschiebt jedes Feld um
           X Zoll nach rechts und Y Zoll nach unten (negativ: links und oben; höchstens 1 Zoll;
           standardmäßig wie im Programm für diese Vordrucke eingestellt)
</translation>
    </message>
    <message>
        <source>checks needs exactly one LEDGER</source>
        <translation>checks braucht genau ein LEDGER</translation>
    </message>
    <message>
        <source>checks needs --pdf OUT</source>
        <translation>checks braucht --pdf OUT</translation>
    </message>
    <message>
        <source>give either --numbers or --waiting</source>
        <translation>entweder --numbers oder --waiting angeben</translation>
    </message>
    <message>
        <source>--numbers takes two check numbers from 1 to %1 as FIRST-LAST, the first not above the last (for example 1101-1103)</source>
        <translation>--numbers erwartet zwei Schecknummern von 1 bis %1 als FIRST-LAST, die erste nicht größer als die letzte (zum Beispiel 1101-1103)</translation>
    </message>
    <message>
        <source>--offset takes inches right and down from -1 to 1 as X,Y (for example 0.05,-0.10)</source>
        <translation>--offset erwartet Zoll nach rechts und nach unten von -1 bis 1 als X,Y (zum Beispiel 0.05,-0.10)</translation>
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
        <translation>Aufruf: tallix-cli print FILE [--pdf OUT]
  oder: tallix-cli export FILE --format csv|qif|ledger [-o OUT]
  oder: tallix-cli check FILE
  oder: tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]
                          [CSV-Spalten]
  oder: tallix-cli balance LEDGER --date D
  oder: tallix-cli reconcile LEDGER --date D --balance B
  oder: tallix-cli forecast LEDGER [--days N]
  oder: tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]
  oder: tallix-cli chart FILE --png OUT|--svg OUT|--pdf OUT [--days N]
  oder: tallix-cli checks LEDGER --pdf OUT [--format NAME] [--numbers FIRST-LAST | --waiting]
                          [--offset X,Y]
</translation>
    </message>
    <message>
        <source>  export   the transactions with their categories and splits as CSV (RFC 4180), QIF, or a journal
           that hledger and ledger-cli read (categories as Expenses: and Income: accounts), to OUT or
           standard output
</source>
        <translation>  export   die Buchungen mit ihren Kategorien und Aufteilungen als CSV (RFC 4180), QIF oder als
           Journal, das hledger und ledger-cli lesen (Kategorien als Konten Expenses: und Income:),
           nach OUT oder auf die Standardausgabe
</translation>
    </message>
    <message>
        <source>  report   where the money went, beside the period before of the same length: spending and income
           by category with subtotals and shares, income and spending month by month, or spending by
           payee; this year unless --from or --to (dates as for balance) replace its first or last day;
           with --csv, as CSV for other programs (plain amounts, no totals)
</source>
        <translation>  report   wohin das Geld ging, neben dem gleich langen Zeitraum davor: Ausgaben und Einnahmen nach
           Kategorie mit Zwischensummen und Anteilen, Einnahmen und Ausgaben Monat für Monat oder
           Ausgaben nach Empfänger; dieses Jahr, sofern nicht --from oder --to (Datum wie bei balance)
           seinen ersten oder letzten Tag ersetzen; mit --csv als CSV für andere Programme (schlichte
           Beträge, ohne Summen)
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
        <translation>CSV-Spalten (ab 1 gezählt; nach einem Import für Kontoauszüge mit derselben Kopfzeile gespeichert):
  --date-col N --date-order mdy|dmy|ymd --amount-col N | --debit-col N --credit-col N
  --payee-col N[,M] --check-col N --type-col N --decimal .|, (ohne --decimal entscheiden die Beträge)
  --direction-col N (Wörter wie D/C, DR/CR, Af/Bij, die den Beträgen ein Vorzeichen geben) --status-col N
  (vorgemerkte Zeilen werden übersprungen) --header yes|no (ob die erste Zeile die Spalten benennt;
  ohne die Option ist eine erste Zeile, die sich als Buchung lesen lässt, eine Buchung)
  --category-col N (die Kategorie, mit der jede Zeile hinzugefügt wird) --split-col N (die Teile
  einer Aufteilung, wie `export --format csv` sie schreibt)
</translation>
    </message>
    <message>
        <source>export needs --format csv, --format qif or --format ledger</source>
        <translation>export erwartet --format csv, --format qif oder --format ledger</translation>
    </message>
</context>
<context>
    <name>TallixCommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
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
        <translation>Aufruf: tallix [QT-OPTION...] [--] [DATEI]
  oder: tallix [QT-OPTION...] --demo
Schecks auflisten und abstimmen.

Öffnet DATEI, eine Tallix-Datendatei (.tlx); ohne sie wird die Datendatei des letzten Laufs wieder geöffnet.

      --demo     ein Beispiel-Kassenbuch mit den Buchungen eines Jahres öffnen (eine frische Kopie im
                 Datenordner des Benutzers, damit nichts von Ihren Daten berührt wird)
  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden

Die Standardoptionen von Qt werden ebenfalls angenommen, etwa -style NAME, -platform NAME oder -reverse.
</translation>
    </message>
    <message>
        <source>one FILE at most, and none with --demo</source>
        <translation>höchstens eine DATEI, und keine mit --demo</translation>
    </message>
    <message>
        <source>no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
Run it from a desktop session, or under xvfb-run.</source>
        <translation>keine Anzeige, auf der das Fenster erscheinen kann (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).
Starten Sie es aus einer Desktop-Sitzung oder unter xvfb-run.</translation>
    </message>
</context>
<context>
    <name>TallixPdf</name>
    <message>
        <source>Balance Chart: %1</source>
        <translation>Saldodiagramm: %1</translation>
    </message>
    <message>
        <source>Check Register: %1</source>
        <translation>Scheckregister: %1</translation>
    </message>
    <message>
        <source>cannot draw the chart</source>
        <translation>das Diagramm kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>cannot lay out the register&apos;s pages</source>
        <translation>die Seiten des Registers können nicht gesetzt werden</translation>
    </message>
    <message>
        <source>skipped the check stock format %1: %2</source>
        <translation>Scheckformat %1 übergangen: %2</translation>
    </message>
    <message>
        <source>there is no check stock format named %1; the formats are: %2</source>
        <translation>es gibt kein Scheckformat namens %1; die Formate sind: %2</translation>
    </message>
    <message>
        <source>no checks are waiting to print</source>
        <translation>keine Schecks warten auf den Druck</translation>
    </message>
    <message>
        <source>there are no checks numbered %1 to %2</source>
        <translation>es gibt keine Schecks mit den Nummern %1 bis %2</translation>
    </message>
    <message>
        <source>cannot draw the checks</source>
        <translation>die Schecks können nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Usage: tallix-pdf FILE | tallix-pdf chart png|svg|pdf DAYS FILE | tallix-pdf checks FORMAT waiting|FIRST-LAST RIGHT,DOWN FILE (used by tallix-cli print, chart and checks)</source>
        <translation>Aufruf: tallix-pdf FILE | tallix-pdf chart png|svg|pdf DAYS FILE | tallix-pdf checks FORMAT waiting|FIRST-LAST RIGHT,DOWN FILE (von tallix-cli print, chart und checks verwendet)</translation>
    </message>
</context>
<context>
    <name>TransactionType</name>
    <message>
        <source>Check</source>
        <translation>Scheck</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Abhebung</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Gebühr</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
</context>
<context>
    <name>UpcomingModel</name>
    <message>
        <source>The amount varies: this is the one expected.</source>
        <translation>Der Betrag schwankt: Dies ist der erwartete.</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
</context>
<context>
    <name>WindowImport</name>
    <message>
        <source>%1 cannot be imported.</source>
        <translation>%1 kann nicht importiert werden.</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
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
        <translation>Dieses Programm legt ein Scheckregister an, mit dem Sie Ihr Scheckbuch abstimmen können. Sie tragen Schecks und Einzahlungen genauso ein wie in das Register, das Ihren Schecks beiliegt. Die Salden werden automatisch berechnet.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Check or payment</source>
        <translation>Scheck oder Zahlung</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Scheck</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Check #</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Check date</source>
        <translation>Scheckdatum</translation>
    </message>
    <message>
        <source>Pay to the order of:</source>
        <translation>Zahlen Sie an:</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Check amount</source>
        <translation>Scheckbetrag</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Deposit, fee or withdrawal</source>
        <translation>Einzahlung, Gebühr oder Abhebung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Gebühr</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Abhebung</translation>
    </message>
    <message>
        <source>Transaction date</source>
        <translation>Buchungsdatum</translation>
    </message>
    <message>
        <source>Description of Transaction:</source>
        <translation>Beschreibung der Buchung:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Transaction amount</source>
        <translation>Buchungsbetrag</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Show Register</source>
        <translation>Register zeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Recen&amp;t</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Print &amp;Register...</source>
        <translation>&amp;Register drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Balance &amp;Chart</source>
        <translation>Saldo&amp;diagramm</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>Associate</source>
        <translation>Verknüpfen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Balance to Statement...</source>
        <translation>Mit Kontoauszug &amp;abstimmen...</translation>
    </message>
    <message>
        <source>&amp;Schedules...</source>
        <translation>&amp;Geplante Buchungen...</translation>
    </message>
    <message>
        <source>Today&apos;s balance: the starting balance and every transaction dated up to today; scheduled transactions count once they are entered</source>
        <translation>Heutiger Saldo: der Anfangssaldo und jede Buchung mit einem Datum bis heute; geplante Buchungen zählen, sobald sie gebucht sind</translation>
    </message>
    <message>
        <source>Incomplete or incorrect data</source>
        <translation>Unvollständige oder fehlerhafte Angaben</translation>
    </message>
    <message>
        <source>Check %1 is already in the register (%2, %3, %4). Add it anyway?</source>
        <translation>Scheck %1 ist bereits im Register (%2, %3, %4). Trotzdem hinzufügen?</translation>
    </message>
    <message>
        <source>Check %1 to %2, %3 added</source>
        <translation>Scheck %1 an %2, %3 hinzugefügt</translation>
    </message>
    <message>
        <source>Check %1, %2 added</source>
        <translation>Scheck %1, %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Payment to %1, %2 added</source>
        <translation>Zahlung an %1, %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Payment, %1 added</source>
        <translation>Zahlung, %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Withdrawal %1, %2 added</source>
        <translation>Abhebung %1, %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Withdrawal, %1 added</source>
        <translation>Abhebung, %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Fee %1, %2 added</source>
        <translation>Gebühr %1, %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Fee, %1 added</source>
        <translation>Gebühr, %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Deposit %1, %2 added</source>
        <translation>Einzahlung %1, %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Deposit, %1 added</source>
        <translation>Einzahlung, %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Interest %1, %2 added</source>
        <translation>Zinsen %1, %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Interest, %1 added</source>
        <translation>Zinsen, %1 hinzugefügt</translation>
    </message>
    <message>
        <source>The register is full: no more transactions can be added.</source>
        <translation>Das Register ist voll: Es können keine weiteren Buchungen hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Check data</source>
        <translation>Scheckdaten</translation>
    </message>
    <message>
        <source>No ledgers yet</source>
        <translation>Noch keine Kassenbücher</translation>
    </message>
    <message>
        <source>Bank statements</source>
        <translation>Kontoauszüge</translation>
    </message>
    <message>
        <source>Check Register</source>
        <translation>Scheckregister</translation>
    </message>
    <message>
        <source>Check Register: %1</source>
        <translation>Scheckregister: %1</translation>
    </message>
    <message>
        <source>Print Register</source>
        <translation>Register drucken</translation>
    </message>
    <message>
        <source>Unable to print the register.</source>
        <translation>Das Register kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>%1
is open in another copy of Tallix: %2.
Only one copy at a time can change a ledger.</source>
        <translation>%1
ist in einer anderen Tallix-Instanz geöffnet: %2.
Ein Kassenbuch kann immer nur von einer Instanz geändert werden.</translation>
    </message>
    <message>
        <source>Open Read-Only</source>
        <translation>Schreibgeschützt öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1
is open in Tallix on another computer: %2.
If that copy no longer runs, you can take the ledger over.</source>
        <translation>%1
ist in Tallix auf einem anderen Computer geöffnet: %2.
Wenn diese Instanz nicht mehr läuft, können Sie das Kassenbuch übernehmen.</translation>
    </message>
    <message>
        <source>Take Over...</source>
        <translation>Übernehmen...</translation>
    </message>
    <message>
        <source>Take %1 over from %2?
If that copy still runs, whatever it saves afterwards replaces your changes, or yours replace its.</source>
        <translation>%1 von %2 übernehmen?
Wenn die andere Instanz noch läuft, ersetzt alles, was sie danach speichert, Ihre Änderungen, oder Ihre ersetzen die ihren.</translation>
    </message>
    <message>
        <source>%1
could not be taken over.</source>
        <translation>%1
konnte nicht übernommen werden.</translation>
    </message>
    <message>
        <source>%1
is opened read-only: Tallix cannot make its lock file in the folder %2 (%3). Without it, another copy of Tallix could change the ledger at the same time.
Save As saves a copy that you can change.</source>
        <translation>%1
wird schreibgeschützt geöffnet: Tallix kann seine Sperrdatei im Ordner %2 nicht anlegen (%3). Ohne sie könnte eine andere Tallix-Instanz das Kassenbuch gleichzeitig ändern.
Mit „Speichern unter“ speichern Sie eine Kopie, die Sie ändern können.</translation>
    </message>
    <message>
        <source>a ledger that was never saved</source>
        <translation>ein nie gespeichertes Kassenbuch</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 cannot be read back: %2.
Nothing was recovered; the journal was kept as %3.</source>
        <translation>Die nicht gespeicherten Änderungen an %1 können nicht gelesen werden: %2.
Es wurde nichts wiederhergestellt; das Journal wurde als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>The recovery journal found for %1 holds unsaved changes of another ledger, %2.
Nothing was recovered; the journal was kept as %3.</source>
        <translation>Das für %1 gefundene Wiederherstellungsjournal enthält nicht gespeicherte Änderungen eines anderen Kassenbuchs, %2.
Es wurde nichts wiederhergestellt; das Journal wurde als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 was not saved when Tallix last ended: 1 change, the last made %2.</source>
        <translation>%1 wurde beim letzten Beenden von Tallix nicht gespeichert: 1 Änderung, vorgenommen am %2.</translation>
    </message>
    <message>
        <source>%1 was not saved when Tallix last ended: %2 changes, the last made %3.</source>
        <translation>%1 wurde beim letzten Beenden von Tallix nicht gespeichert: %2 Änderungen, die letzte am %3.</translation>
    </message>
    <message>
        <source>A change after that was cut short and cannot be recovered.</source>
        <translation>Eine spätere Änderung wurde abgebrochen und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>The file was changed on disk since then; these changes would undo that.
Open as Copy opens the ledger as you left it as a new ledger, to be saved under another name; the file stays as it is. Keep for Later opens the file read-only and asks again the next time.</source>
        <translation>Die Datei wurde seitdem auf dem Datenträger geändert; diese Änderungen würden das rückgängig machen.
„Als Kopie öffnen“ öffnet das Kassenbuch so, wie Sie es verlassen haben, als neues Kassenbuch, das unter einem anderen Namen zu speichern ist; die Datei bleibt, wie sie ist. „Für später aufheben“ öffnet die Datei schreibgeschützt und fragt beim nächsten Mal erneut.</translation>
    </message>
    <message>
        <source>Open as Copy</source>
        <translation>Als Kopie öffnen</translation>
    </message>
    <message>
        <source>Keep for Later</source>
        <translation>Für später aufheben</translation>
    </message>
    <message>
        <source>%1 of the %2 changes were recovered; the others could not be read back.</source>
        <translation>%1 der %2 Änderungen wurden wiederhergestellt; die übrigen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Discard 1 unsaved change? They cannot be recovered afterwards.</source>
        <translation>1 nicht gespeicherte Änderung verwerfen? Sie kann danach nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Discard %1 unsaved changes? They cannot be recovered afterwards.</source>
        <translation>%1 nicht gespeicherte Änderungen verwerfen? Sie können danach nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>%1
was moved or deleted since Tallix opened or last saved it.
Overwrite would write this ledger there again.</source>
        <translation>%1
wurde verschoben oder gelöscht, seit Tallix die Datei geöffnet oder zuletzt gespeichert hat.
„Überschreiben“ würde dieses Kassenbuch dort erneut schreiben.</translation>
    </message>
    <message>
        <source>%1
changed on disk since Tallix opened or last saved it.
Overwrite would replace that version with this ledger.</source>
        <translation>%1
wurde auf dem Datenträger geändert, seit Tallix die Datei geöffnet oder zuletzt gespeichert hat.
„Überschreiben“ würde diese Fassung durch dieses Kassenbuch ersetzen.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>%1 (Read-Only)</source>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source>can&apos;t find settings</source>
        <translation>Einstellungen nicht gefunden</translation>
    </message>
    <message>
        <source>Save Data?</source>
        <translation>Daten speichern?</translation>
    </message>
    <message>
        <source>Bal:  %1</source>
        <translation>Abg.:  %1</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Nicht gesperrt</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Heute: %1</translation>
    </message>
    <message>
        <source>Balance Chart</source>
        <translation>Saldodiagramm</translation>
    </message>
    <message>
        <source>Balance Chart: %1</source>
        <translation>Saldodiagramm: %1</translation>
    </message>
    <message>
        <source>Address...</source>
        <translation>Adresse...</translation>
    </message>
    <message>
        <source>Print later</source>
        <translation>Später drucken</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Print C&amp;hecks...</source>
        <translation>Sc&amp;hecks drucken...</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>Check category</source>
        <translation>Kategorie des Schecks</translation>
    </message>
    <message>
        <source>Ca&amp;tegory:</source>
        <translation>Ka&amp;tegorie:</translation>
    </message>
    <message>
        <source>Transaction category</source>
        <translation>Kategorie der Buchung</translation>
    </message>
    <message>
        <source>&amp;Reports...</source>
        <translation>&amp;Berichte...</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>&amp;Kategorien...</translation>
    </message>
    <message>
        <source>The category is %1 characters long; a category may have at most %2, its colons included. Shorten it, then click Add again.</source>
        <translation>Die Kategorie ist %1 Zeichen lang; eine Kategorie darf höchstens %2 haben, die Doppelpunkte eingeschlossen. Kürzen Sie sie und klicken Sie erneut auf Hinzufügen.</translation>
    </message>
    <message>
        <source>No category</source>
        <translation>Keine Kategorie</translation>
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
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Search wrapped</source>
        <translation>Suche von vorn begonnen</translation>
    </message>
    <message>
        <source>Check Register</source>
        <translation>Scheckregister</translation>
    </message>
    <message>
        <source>Starting Balance:</source>
        <translation>Anfangssaldo:</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Abschließen</translation>
    </message>
    <message>
        <source>Unlock records</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Lock records</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>%1 (Read-Only)</source>
        <comment>a window&apos;s title</comment>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source>&amp;Edit	Enter</source>
        <translation>&amp;Bearbeiten	Eingabe</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared	Space</source>
        <translation>Als bes&amp;tätigt markieren	Leertaste</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Löschen	Entf</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Suchen...	Strg+F</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>R&amp;edo	Ctrl+Y</source>
        <translation>&amp;Wiederholen	Strg+Y</translation>
    </message>
    <message>
        <source>Un&amp;lock records</source>
        <translation>Buchungen &amp;entsperren</translation>
    </message>
    <message>
        <source>&amp;Lock records up to here</source>
        <translation>Bis &amp;hier sperren</translation>
    </message>
    <message>
        <source>&amp;Repeat...</source>
        <translation>Regelmäßig &amp;planen...</translation>
    </message>
    <message>
        <source>the row of %1 for %2</source>
        <comment>the row of 1/5/2009 for 30.00</comment>
        <translation>die Buchung vom %1 über %2</translation>
    </message>
    <message>
        <source>Clearing %1 would balance it.</source>
        <comment>%1: the row of 1/5/2009 for 30.00</comment>
        <translation>Wird %1 bestätigt, stimmt der Saldo.</translation>
    </message>
    <message>
        <source>Clearing %1 and %2 would balance it.</source>
        <comment>%1, %2: the row of 1/5/2009 for 30.00</comment>
        <translation>Werden %1 und %2 bestätigt, stimmt der Saldo.</translation>
    </message>
    <message>
        <source>A difference divisible by 9 can be two digits swapped in an amount.</source>
        <translation>Eine durch 9 teilbare Differenz kann von zwei vertauschten Ziffern in einem Betrag kommen.</translation>
    </message>
    <message>
        <source>Cleared balance on %1: %2    Statement: %3    Difference: %4</source>
        <translation>Bestätigter Saldo am %1: %2    Kontoauszug: %3    Differenz: %4</translation>
    </message>
    <message>
        <source>Outstanding: %1 out (%2), %3 in (%4)</source>
        <comment>counts and totals of outstanding rows</comment>
        <translation>Offen: %1 Ausgänge (%2), %3 Eingänge (%4)</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Buchen</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>Übers&amp;pringen</translation>
    </message>
    <message>
        <source>Upcoming scheduled transactions</source>
        <translation>Anstehende geplante Buchungen</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Heute, %1</translation>
    </message>
    <message>
        <source>The register is full: no more transactions can be added.</source>
        <translation>Das Register ist voll: Es können keine weiteren Buchungen hinzugefügt werden.</translation>
    </message>
    <message>
        <source>&amp;Address...</source>
        <translation>&amp;Adresse...</translation>
    </message>
    <message>
        <source>&amp;Void</source>
        <translation>St&amp;ornieren</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>&amp;Alle zeigen</translation>
    </message>
    <message>
        <source>1 transaction: %1</source>
        <translation>1 Buchung: %1</translation>
    </message>
    <message>
        <source>%1 transactions: %2</source>
        <translation>%1 Buchungen: %2</translation>
    </message>
    <message>
        <source>&amp;Split...</source>
        <translation>Au&amp;fteilen...</translation>
    </message>
</context>
</TS>
