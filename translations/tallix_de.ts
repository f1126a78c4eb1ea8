<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>FileAssociation</name>
    <message>
        <source>Associate &quot;.TLX&quot; files with this application?</source>
        <translation>„.TLX“-Dateien mit diesem Programm verknüpfen?</translation>
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
</context>
</TS>
