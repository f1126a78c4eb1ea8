<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>FileAssociation</name>
    <message>
        <source>Associate &quot;.TLX&quot; files with this application?</source>
        <translation>Associer les fichiers « .TLX » à cette application ?</translation>
    </message>
</context>
<context>
    <name>Locale</name>
    <message>
        <source>%1 would be kept as %2: amounts are kept to the cent up to %3</source>
        <translation>%1 serait conservé comme %2 : les montants sont conservés au centime près jusqu&apos;à %3</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Starting Balance:</source>
        <translation>Solde initial :</translation>
    </message>
    <message>
        <source>Next Check Number:</source>
        <translation>Prochain numéro de chèque :</translation>
    </message>
</context>
<context>
    <name>TallixCommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
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
        <translation>Usage : tallix [OPTION-QT...] [--] [FICHIER]
   ou : tallix [OPTION-QT...] --demo
Lister et rapprocher des chèques.

Ouvre FICHIER, un fichier de données Tallix (.tlx) ; sans lui, le fichier de données de la dernière exécution est rouvert.

      --demo     ouvrir un registre d&apos;exemple d&apos;une année d&apos;opérations (une copie neuve dans le dossier
                 de données de l&apos;utilisateur, pour que rien de vos données ne soit touché)
  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Les options standard de Qt sont aussi acceptées, comme -style NOM, -platform NOM ou -reverse.
</translation>
    </message>
    <message>
        <source>one FILE at most, and none with --demo</source>
        <translation>un FICHIER au plus, et aucun avec --demo</translation>
    </message>
    <message>
        <source>no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
Run it from a desktop session, or under xvfb-run.</source>
        <translation>aucun écran où afficher la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini).
Lancez-le depuis une session de bureau, ou sous xvfb-run.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Web:</source>
        <translation>Web :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Ce programme crée un registre de chèques qui vous permet de rapprocher votre chéquier. Vous saisissez les chèques et les dépôts comme dans le registre fourni avec vos chèques. Les soldes sont calculés automatiquement.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Check or payment</source>
        <translation>Chèque ou paiement</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Chèque</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Check #</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Check date</source>
        <translation>Date du chèque</translation>
    </message>
    <message>
        <source>Pay to the order of:</source>
        <translation>Payez à l&apos;ordre de :</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Check amount</source>
        <translation>Montant du chèque</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Deposit, fee or withdrawal</source>
        <translation>Dépôt, frais ou retrait</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Retrait</translation>
    </message>
    <message>
        <source>Transaction date</source>
        <translation>Date de l&apos;opération</translation>
    </message>
    <message>
        <source>Description of Transaction:</source>
        <translation>Description de l&apos;opération :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Transaction amount</source>
        <translation>Montant de l&apos;opération</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Show Register</source>
        <translation>Voir le registre</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open Recen&amp;t</source>
        <translation>Registres ré&amp;cents</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Print &amp;Register...</source>
        <translation>Imprimer le &amp;registre...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Balance &amp;Chart</source>
        <translation>&amp;Graphique du solde</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>Associate</source>
        <translation>Associer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Balance to Statement...</source>
        <translation>&amp;Rapprocher avec le relevé...</translation>
    </message>
    <message>
        <source>&amp;Schedules...</source>
        <translation>Opérations &amp;planifiées...</translation>
    </message>
    <message>
        <source>Today&apos;s balance: the starting balance and every transaction dated up to today; scheduled transactions count once they are entered</source>
        <translation>Solde du jour : le solde initial et toutes les opérations datées jusqu&apos;à aujourd&apos;hui ; les opérations planifiées comptent une fois saisies</translation>
    </message>
    <message>
        <source>Incomplete or incorrect data</source>
        <translation>Données incomplètes ou incorrectes</translation>
    </message>
    <message>
        <source>Check %1 is already in the register (%2, %3, %4). Add it anyway?</source>
        <translation>Le chèque %1 figure déjà dans le registre (%2, %3, %4). L&apos;ajouter quand même ?</translation>
    </message>
    <message>
        <source>Check %1 to %2, %3 added</source>
        <translation>Chèque %1 à %2, %3 ajouté</translation>
    </message>
    <message>
        <source>Check %1, %2 added</source>
        <translation>Chèque %1, %2 ajouté</translation>
    </message>
    <message>
        <source>Payment to %1, %2 added</source>
        <translation>Paiement à %1, %2 ajouté</translation>
    </message>
    <message>
        <source>Payment, %1 added</source>
        <translation>Paiement, %1 ajouté</translation>
    </message>
    <message>
        <source>Withdrawal %1, %2 added</source>
        <translation>Retrait %1, %2 ajouté</translation>
    </message>
    <message>
        <source>Withdrawal, %1 added</source>
        <translation>Retrait, %1 ajouté</translation>
    </message>
    <message>
        <source>Fee %1, %2 added</source>
        <translation>Frais %1, %2 ajoutés</translation>
    </message>
    <message>
        <source>Fee, %1 added</source>
        <translation>Frais, %1 ajoutés</translation>
    </message>
    <message>
        <source>Deposit %1, %2 added</source>
        <translation>Dépôt %1, %2 ajouté</translation>
    </message>
    <message>
        <source>Deposit, %1 added</source>
        <translation>Dépôt, %1 ajouté</translation>
    </message>
    <message>
        <source>Interest %1, %2 added</source>
        <translation>Intérêts %1, %2 ajoutés</translation>
    </message>
    <message>
        <source>Interest, %1 added</source>
        <translation>Intérêts, %1 ajoutés</translation>
    </message>
    <message>
        <source>The register is full: no more transactions can be added.</source>
        <translation>Le registre est plein : aucune autre opération ne peut être ajoutée.</translation>
    </message>
    <message>
        <source>Check data</source>
        <translation>Données de chèques</translation>
    </message>
    <message>
        <source>No ledgers yet</source>
        <translation>Aucun registre pour l&apos;instant</translation>
    </message>
    <message>
        <source>Bank statements</source>
        <translation>Relevés bancaires</translation>
    </message>
    <message>
        <source>Check Register</source>
        <translation>Registre des chèques</translation>
    </message>
    <message>
        <source>Check Register: %1</source>
        <translation>Registre des chèques : %1</translation>
    </message>
    <message>
        <source>Print Register</source>
        <translation>Imprimer le registre</translation>
    </message>
    <message>
        <source>Unable to print the register.</source>
        <translation>Impossible d&apos;imprimer le registre.</translation>
    </message>
    <message>
        <source>%1
is open in another copy of Tallix: %2.
Only one copy at a time can change a ledger.</source>
        <translation>%1
est ouvert dans une autre instance de Tallix : %2.
Un registre ne peut être modifié que par une seule instance à la fois.</translation>
    </message>
    <message>
        <source>Open Read-Only</source>
        <translation>Ouvrir en lecture seule</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1
is open in Tallix on another computer: %2.
If that copy no longer runs, you can take the ledger over.</source>
        <translation>%1
est ouvert dans Tallix sur un autre ordinateur : %2.
Si cette instance ne tourne plus, vous pouvez reprendre le registre.</translation>
    </message>
    <message>
        <source>Take Over...</source>
        <translation>Reprendre...</translation>
    </message>
    <message>
        <source>Take %1 over from %2?
If that copy still runs, whatever it saves afterwards replaces your changes, or yours replace its.</source>
        <translation>Reprendre %1 depuis %2 ?
Si cette instance tourne encore, tout ce qu&apos;elle enregistrera ensuite remplacera vos modifications, ou les vôtres remplaceront les siennes.</translation>
    </message>
    <message>
        <source>%1
could not be taken over.</source>
        <translation>%1
n&apos;a pas pu être repris.</translation>
    </message>
    <message>
        <source>%1
is opened read-only: Tallix cannot make its lock file in the folder %2 (%3). Without it, another copy of Tallix could change the ledger at the same time.
Save As saves a copy that you can change.</source>
        <translation>%1
est ouvert en lecture seule : Tallix ne peut pas créer son fichier de verrouillage dans le dossier %2 (%3). Sans lui, une autre instance de Tallix pourrait modifier le registre en même temps.
« Enregistrer sous » enregistre une copie que vous pouvez modifier.</translation>
    </message>
    <message>
        <source>a ledger that was never saved</source>
        <translation>un registre jamais enregistré</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 cannot be read back: %2.
Nothing was recovered; the journal was kept as %3.</source>
        <translation>Les modifications non enregistrées de %1 ne peuvent pas être relues : %2.
Rien n&apos;a été récupéré ; le journal a été conservé sous %3.</translation>
    </message>
    <message>
        <source>The recovery journal found for %1 holds unsaved changes of another ledger, %2.
Nothing was recovered; the journal was kept as %3.</source>
        <translation>Le journal de récupération trouvé pour %1 contient des modifications non enregistrées d&apos;un autre registre, %2.
Rien n&apos;a été récupéré ; le journal a été conservé sous %3.</translation>
    </message>
    <message>
        <source>%1 was not saved when Tallix last ended: 1 change, the last made %2.</source>
        <translation>%1 n&apos;a pas été enregistré à la dernière fermeture de Tallix : 1 modification, faite le %2.</translation>
    </message>
    <message>
        <source>%1 was not saved when Tallix last ended: %2 changes, the last made %3.</source>
        <translation>%1 n&apos;a pas été enregistré à la dernière fermeture de Tallix : %2 modifications, la dernière faite le %3.</translation>
    </message>
    <message>
        <source>A change after that was cut short and cannot be recovered.</source>
        <translation>Une modification ultérieure a été interrompue et ne peut pas être récupérée.</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>The file was changed on disk since then; these changes would undo that.
Open as Copy opens the ledger as you left it as a new ledger, to be saved under another name; the file stays as it is. Keep for Later opens the file read-only and asks again the next time.</source>
        <translation>Le fichier a été modifié sur le disque depuis ; ces modifications annuleraient cela.
« Ouvrir une copie » ouvre le registre tel que vous l&apos;avez laissé, comme un nouveau registre à enregistrer sous un autre nom ; le fichier reste tel quel. « Garder pour plus tard » ouvre le fichier en lecture seule et redemande la prochaine fois.</translation>
    </message>
    <message>
        <source>Open as Copy</source>
        <translation>Ouvrir une copie</translation>
    </message>
    <message>
        <source>Keep for Later</source>
        <translation>Garder pour plus tard</translation>
    </message>
    <message>
        <source>%1 of the %2 changes were recovered; the others could not be read back.</source>
        <translation>%1 des %2 modifications ont été récupérées ; les autres n&apos;ont pas pu être relues.</translation>
    </message>
    <message>
        <source>Discard 1 unsaved change? They cannot be recovered afterwards.</source>
        <translation>Abandonner 1 modification non enregistrée ? Elle ne pourra plus être récupérée.</translation>
    </message>
    <message>
        <source>Discard %1 unsaved changes? They cannot be recovered afterwards.</source>
        <translation>Abandonner %1 modifications non enregistrées ? Elles ne pourront plus être récupérées.</translation>
    </message>
    <message>
        <source>%1
was moved or deleted since Tallix opened or last saved it.
Overwrite would write this ledger there again.</source>
        <translation>%1
a été déplacé ou supprimé depuis que Tallix l&apos;a ouvert ou enregistré pour la dernière fois.
« Écraser » y réécrirait ce registre.</translation>
    </message>
    <message>
        <source>%1
changed on disk since Tallix opened or last saved it.
Overwrite would replace that version with this ledger.</source>
        <translation>%1
a été modifié sur le disque depuis que Tallix l&apos;a ouvert ou enregistré pour la dernière fois.
« Écraser » remplacerait cette version par ce registre.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>%1 (Read-Only)</source>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message>
        <source>can&apos;t find settings</source>
        <translation>paramètres introuvables</translation>
    </message>
    <message>
        <source>Save Data?</source>
        <translation>Enregistrer les données ?</translation>
    </message>
    <message>
        <source>Bal:  %1</source>
        <translation>Rap. :  %1</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>Non verrouillé</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Aujourd&apos;hui : %1</translation>
    </message>
    <message>
        <source>Balance Chart</source>
        <translation>Graphique du solde</translation>
    </message>
    <message>
        <source>Balance Chart: %1</source>
        <translation>Graphique du solde : %1</translation>
    </message>
</context>
</TS>
