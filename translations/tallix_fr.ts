<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>The statement holds %1 accounts. Which one goes into this ledger?</source>
        <translation>Le relevé contient %1 comptes. Lequel importer dans ce registre ?</translation>
    </message>
    <message>
        <source>no account id</source>
        <translation>aucun identifiant de compte</translation>
    </message>
    <message>
        <source>%1 (1 transaction)</source>
        <translation>%1 (1 opération)</translation>
    </message>
    <message>
        <source>%1 (%2 transactions)</source>
        <translation>%1 (%2 opérations)</translation>
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
        <translation>&amp;Adresse de %1, telle que l&apos;enveloppe à fenêtre la montre :</translation>
    </message>
    <message>
        <source>Address line %1</source>
        <translation>Ligne d&apos;adresse %1</translation>
    </message>
</context>
<context>
    <name>BalanceChart</name>
    <message>
        <source>overdue before %1</source>
        <translation>en retard avant le %1</translation>
    </message>
    <message>
        <source>from %1 on</source>
        <translation>à partir du %1</translation>
    </message>
    <message>
        <source>Forecast cut: %1</source>
        <translation>Prévision tronquée : %1</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prévision</translation>
    </message>
    <message>
        <source>Money in, out</source>
        <translation>Entrées, sorties</translation>
    </message>
    <message>
        <source>Forecast in, out</source>
        <translation>Entrées, sorties prévues</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Lock date</source>
        <translation>Date de verrouillage</translation>
    </message>
    <message>
        <source>Last statement</source>
        <translation>Dernier relevé</translation>
    </message>
    <message>
        <source>Lowest: %1 on %2</source>
        <translation>Plus bas : %1 le %2</translation>
    </message>
    <message>
        <source>Money in and out per month</source>
        <translation>Entrées et sorties par mois</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Income:Salary</source>
        <translation>Revenus:Salaire</translation>
    </message>
    <message>
        <source>Income:Interest</source>
        <translation>Revenus:Intérêts</translation>
    </message>
    <message>
        <source>Income:Other</source>
        <translation>Revenus:Autres</translation>
    </message>
    <message>
        <source>Housing:Rent or mortgage</source>
        <translation>Logement:Loyer ou prêt</translation>
    </message>
    <message>
        <source>Housing:Repairs</source>
        <translation>Logement:Réparations</translation>
    </message>
    <message>
        <source>Utilities:Electricity</source>
        <translation>Charges:Électricité</translation>
    </message>
    <message>
        <source>Utilities:Water</source>
        <translation>Charges:Eau</translation>
    </message>
    <message>
        <source>Utilities:Phone and internet</source>
        <translation>Charges:Téléphone et internet</translation>
    </message>
    <message>
        <source>Food:Groceries</source>
        <translation>Alimentation:Courses</translation>
    </message>
    <message>
        <source>Food:Dining out</source>
        <translation>Alimentation:Restaurant</translation>
    </message>
    <message>
        <source>Car:Fuel</source>
        <translation>Voiture:Carburant</translation>
    </message>
    <message>
        <source>Car:Insurance</source>
        <translation>Voiture:Assurance</translation>
    </message>
    <message>
        <source>Car:Repairs</source>
        <translation>Voiture:Réparations</translation>
    </message>
    <message>
        <source>Health:Doctor</source>
        <translation>Santé:Médecin</translation>
    </message>
    <message>
        <source>Health:Pharmacy</source>
        <translation>Santé:Pharmacie</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Gifts and charity</source>
        <translation>Cadeaux et dons</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Impôts</translation>
    </message>
    <message>
        <source>Bank fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
</context>
<context>
    <name>CategoriesWindow</name>
    <message>
        <source>Type a category, such as Food:Groceries; a colon puts a category under another.</source>
        <translation>Saisissez une catégorie, par exemple Alimentation:Courses ; un deux-points place une catégorie sous une autre.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; a category may have at most %3, its colons included.</source>
        <translation>%1 compte %2 caractères ; une catégorie en compte au plus %3, deux-points compris.</translation>
    </message>
    <message>
        <source>1 transaction</source>
        <translation>1 opération</translation>
    </message>
    <message>
        <source>%1 transactions</source>
        <translation>%1 opérations</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>A category&apos;s figures include those of the categories under it.</source>
        <translation>Les chiffres d&apos;une catégorie comprennent ceux des catégories qu&apos;elle contient.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>&amp;Merge into...</source>
        <translation>Fusi&amp;onner avec...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>Description contains</source>
        <translation>La description contient</translation>
    </message>
    <message>
        <source>An imported statement line whose description contains the text, in any letter case, takes the category of the first rule that matches.</source>
        <translation>Une ligne de relevé importée dont la description contient le texte, en majuscules ou minuscules, prend la catégorie de la première règle qui correspond.</translation>
    </message>
    <message>
        <source>New r&amp;ule...</source>
        <translation>&amp;Nouvelle règle...</translation>
    </message>
    <message>
        <source>&amp;Edit rule...</source>
        <translation>&amp;Modifier la règle...</translation>
    </message>
    <message>
        <source>Remo&amp;ve rule</source>
        <translation>Re&amp;tirer la règle</translation>
    </message>
    <message>
        <source>Import rules</source>
        <translation>Règles d&apos;importation</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>%1 alone: %2, %3</source>
        <translation>%1 seule : %2, %3</translation>
    </message>
    <message>
        <source>Add Category</source>
        <translation>Ajouter une catégorie</translation>
    </message>
    <message>
        <source>The new category; a colon puts it under another (Food:Groceries).</source>
        <translation>La nouvelle catégorie ; un deux-points la place sous une autre (Alimentation:Courses).</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 est déjà dans la liste.</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Renommer la catégorie</translation>
    </message>
    <message>
        <source>The new name of %1, wherever it is used; the categories under it move along.</source>
        <translation>Le nouveau nom de %1, partout où elle sert ; les catégories qu&apos;elle contient suivent.</translation>
    </message>
    <message>
        <source>%1 cannot move under itself.</source>
        <translation>%1 ne peut pas être placée sous elle-même.</translation>
    </message>
    <message>
        <source>%1 is already a category. Merge %2 into %1?</source>
        <translation>%1 est déjà une catégorie. Fusionner %2 avec %1 ?</translation>
    </message>
    <message>
        <source>%1 cannot be renamed %2: a category under it would be longer than %3 characters.</source>
        <translation>%1 ne peut pas être renommée %2 : une catégorie qu&apos;elle contient dépasserait %3 caractères.</translation>
    </message>
    <message>
        <source>There is no other category to merge %1 into.</source>
        <translation>Il n&apos;y a pas d&apos;autre catégorie avec laquelle fusionner %1.</translation>
    </message>
    <message>
        <source>Merge Category</source>
        <translation>Fusionner la catégorie</translation>
    </message>
    <message>
        <source>Merge %1 into (its transactions, the categories under it and its rules move there):</source>
        <translation>Fusionner %1 avec (ses opérations, les catégories qu&apos;elle contient et ses règles y passent) :</translation>
    </message>
    <message>
        <source>%1 cannot be merged into %2: a category under it would be longer than %3 characters.</source>
        <translation>%1 ne peut pas être fusionnée avec %2 : une catégorie qu&apos;elle contient dépasserait %3 caractères.</translation>
    </message>
    <message>
        <source>Delete %1 and any category under it? No transaction uses them.</source>
        <translation>Supprimer %1 et toute catégorie qu&apos;elle contient ? Aucune opération ne les utilise.</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(aucune catégorie)</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Delete %1 and any category under it? The %2 it holds will move to:</source>
        <translation>Supprimer %1 et toute catégorie qu&apos;elle contient ? Les %2 qu&apos;elle porte iront dans :</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Catégorie :</translation>
    </message>
    <message>
        <source>Type the text a statement line&apos;s description contains, such as AMAZON.</source>
        <translation>Saisissez le texte que contient la description d&apos;une ligne de relevé, par exemple AMAZON.</translation>
    </message>
    <message>
        <source>New Import Rule</source>
        <translation>Nouvelle règle d&apos;importation</translation>
    </message>
    <message>
        <source>Edit Import Rule</source>
        <translation>Modifier la règle d&apos;importation</translation>
    </message>
</context>
<context>
    <name>CategoryChoiceDialog</name>
    <message>
        <source>&amp;Description contains:</source>
        <translation>La &amp;description contient :</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Balance chart</source>
        <translation>Graphique du solde</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Point at the chart to see the balance of a day.</source>
        <translation>Pointez le graphique pour voir le solde d&apos;un jour.</translation>
    </message>
    <message>
        <source>Balance Chart</source>
        <translation>Graphique du solde</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>%1: %2 (forecast)</source>
        <comment>day: balance</comment>
        <translation>%1 : %2 (prévision)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>day: balance</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>Image SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>le graphique n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>Unable to save the chart to %1: %2.</source>
        <translation>Impossible d&apos;enregistrer le graphique dans %1 : %2.</translation>
    </message>
    <message>
        <source>Print Balance Chart</source>
        <translation>Imprimer le graphique du solde</translation>
    </message>
    <message>
        <source>Unable to print the chart.</source>
        <translation>Impossible d&apos;imprimer le graphique.</translation>
    </message>
</context>
<context>
    <name>CheckFormats</name>
    <message>
        <source>Three checks per page</source>
        <translation>Trois chèques par page</translation>
    </message>
    <message>
        <source>One check at the top, two stubs</source>
        <translation>Un chèque en haut, deux talons</translation>
    </message>
    <message>
        <source>One check in the middle, two stubs</source>
        <translation>Un chèque au milieu, deux talons</translation>
    </message>
    <message>
        <source>One check at the bottom, two stubs</source>
        <translation>Un chèque en bas, deux talons</translation>
    </message>
    <message>
        <source>Wallet checks with a stub on the left</source>
        <translation>Chèques de poche avec talon à gauche</translation>
    </message>
    <message>
        <source>the file is larger than a check format can be (1 MB)</source>
        <translation>le fichier dépasse la taille d&apos;un format de chèque (1 Mo)</translation>
    </message>
    <message>
        <source>it is not JSON: %1 at character %2</source>
        <translation>ce n&apos;est pas du JSON : %1 au caractère %2</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>ce n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>it needs &quot;page&quot; and &quot;check&quot;, each with a &quot;width&quot; and &quot;height&quot; above 0</source>
        <translation>il faut « page » et « check », chacun avec « width » et « height » supérieurs à 0</translation>
    </message>
    <message>
        <source>&quot;left&quot; must be a number of 0 or more and &quot;fontSize&quot; one from above 0 to 72</source>
        <translation>« left » doit être un nombre d&apos;au moins 0 et « fontSize » un nombre supérieur à 0 et jusqu&apos;à 72</translation>
    </message>
    <message>
        <source>check %1 of &quot;tops&quot; does not lie on the page</source>
        <translation>le chèque %1 de « tops » n&apos;est pas sur la page</translation>
    </message>
    <message>
        <source>&quot;tops&quot; lists no check</source>
        <translation>« tops » ne contient aucun chèque</translation>
    </message>
    <message>
        <source>field %1 is of no known kind (number, date, payee, amount, words, memo, address)</source>
        <translation>le champ %1 n&apos;est d&apos;aucun type connu (number, date, payee, amount, words, memo, address)</translation>
    </message>
    <message>
        <source>field %1 (%2) does not lie on the check</source>
        <translation>le champ %1 (%2) n&apos;est pas sur le chèque</translation>
    </message>
    <message>
        <source>&quot;fields&quot; lists no field</source>
        <translation>« fields » ne contient aucun champ</translation>
    </message>
</context>
<context>
    <name>CheckPrint</name>
    <message>
        <source>Check number</source>
        <translation>Numéro de chèque</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Amount in words</source>
        <translation>Montant en lettres</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
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
        <translation>Imprimer les chèques</translation>
    </message>
    <message>
        <source>&amp;Checks to print:</source>
        <translation>&amp;Chèques à imprimer :</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Show &amp;every check, to print one again</source>
        <translation>Afficher &amp;tous les chèques, pour en réimprimer un</translation>
    </message>
    <message>
        <source>&amp;First form in the printer:</source>
        <translation>&amp;Premier formulaire dans l&apos;imprimante :</translation>
    </message>
    <message>
        <source>Check &amp;stock:</source>
        <translation>&amp;Modèle de chèque :</translation>
    </message>
    <message>
        <source>Offset right</source>
        <translation>Décalage à droite</translation>
    </message>
    <message>
        <source>Move &amp;right (1/100 inch):</source>
        <translation>Décaler à &amp;droite (1/100 pouce) :</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Décalage vers le bas</translation>
    </message>
    <message>
        <source>Move &amp;down (1/100 inch):</source>
        <translation>Décaler vers le &amp;bas (1/100 pouce) :</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Sa&amp;ve as PDF...</source>
        <translation>Enregistrer en PD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Alignment sheet...</source>
        <translation>Feuille d&apos;&amp;alignement...</translation>
    </message>
    <message>
        <source>No check stock format was found. Add one to %1 and open this window again.</source>
        <translation>Aucun modèle de chèque n&apos;a été trouvé. Ajoutez-en un dans %1 et rouvrez cette fenêtre.</translation>
    </message>
    <message>
        <source>%1 checks from form %2 on would pass %3, the highest check number. Print fewer checks.</source>
        <translation>%1 chèques à partir du formulaire %2 dépasseraient %3, le plus grand numéro de chèque. Imprimez moins de chèques.</translation>
    </message>
    <message>
        <source>Check %1 is locked: its number cannot change to the form&apos;s. Unlock it in the register or leave it out.</source>
        <translation>Le chèque %1 est verrouillé : son numéro ne peut pas prendre celui du formulaire. Déverrouillez-le dans le registre ou laissez-le de côté.</translation>
    </message>
    <message>
        <source>The first form in the printer is number %1, the first check %2. Renumber the checks to match the forms?</source>
        <translation>Le premier formulaire dans l&apos;imprimante porte le numéro %1, le premier chèque le %2. Renuméroter les chèques d&apos;après les formulaires ?</translation>
    </message>
    <message>
        <source>The checks&apos; numbers have gaps; the forms in the printer do not. Renumber the checks to match the forms?</source>
        <translation>Les numéros des chèques ont des trous, ceux des formulaires dans l&apos;imprimante non. Renuméroter les chèques d&apos;après les formulaires ?</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Check %1 becomes %2</source>
        <translation>Le chèque %1 devient le %2</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Chèques</translation>
    </message>
    <message>
        <source>the checks could not be drawn</source>
        <translation>les chèques n&apos;ont pas pu être dessinés</translation>
    </message>
    <message>
        <source>Unable to save the checks to %1: %2.</source>
        <translation>Impossible d&apos;enregistrer les chèques dans %1 : %2.</translation>
    </message>
    <message>
        <source>Unable to print the checks.</source>
        <translation>Impossible d&apos;imprimer les chèques.</translation>
    </message>
    <message>
        <source>Did every check print correctly?</source>
        <translation>Tous les chèques se sont-ils imprimés correctement ?</translation>
    </message>
    <message>
        <source>Alignment sheet</source>
        <translation>Feuille d&apos;alignement</translation>
    </message>
    <message>
        <source>Print Alignment Sheet</source>
        <translation>Imprimer la feuille d&apos;alignement</translation>
    </message>
    <message>
        <source>Unable to print the alignment sheet.</source>
        <translation>Impossible d&apos;imprimer la feuille d&apos;alignement.</translation>
    </message>
    <message>
        <source>&amp;Undo Void</source>
        <translation>Annuler l’annulatio&amp;n</translation>
    </message>
    <message>
        <source>&amp;Redo Void</source>
        <translation>&amp;Rétablir l’annulation</translation>
    </message>
</context>
<context>
    <name>CliCheck</name>
    <message>
        <source>note: written with another version of %1; every mark still matches a record</source>
        <translation>remarque : écrit avec une autre version de %1 ; chaque pointage correspond encore à une écriture</translation>
    </message>
    <message>
        <source>cannot read %1: not a regular file</source>
        <translation>impossible de lire %1 : ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot read %1: no access</source>
        <translation>impossible de lire %1 : accès refusé</translation>
    </message>
    <message>
        <source>cannot read %1: no such file</source>
        <translation>impossible de lire %1 : fichier introuvable</translation>
    </message>
    <message>
        <source>note: the file goes on past %1 bytes, the most a ledger can hold; the rest is not read</source>
        <translation>remarque : le fichier dépasse %1 octets, le maximum que peut contenir un registre ; le reste n&apos;est pas lu</translation>
    </message>
    <message>
        <source>header: </source>
        <translation>en-tête : </translation>
    </message>
    <message>
        <source>record %1: </source>
        <translation>écriture %1 : </translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erreur : %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque : %1</translation>
    </message>
    <message>
        <source>note: 1 unsaved change from %1 wait in a recovery journal; open the ledger in Tallix to recover or discard them</source>
        <translation>remarque : 1 modification non enregistrée du %1 attend dans un journal de récupération ; ouvrez le registre dans Tallix pour la récupérer ou l&apos;abandonner</translation>
    </message>
    <message>
        <source>note: %1 unsaved changes from %2 wait in a recovery journal; open the ledger in Tallix to recover or discard them</source>
        <translation>remarque : %1 modifications non enregistrées du %2 attendent dans un journal de récupération ; ouvrez le registre dans Tallix pour les récupérer ou les abandonner</translation>
    </message>
    <message>
        <source>note: the recovery journal %1 holds changes of another ledger (%2); Tallix keeps it aside and never applies them</source>
        <translation>remarque : le journal de récupération %1 contient les modifications d&apos;un autre registre (%2) ; Tallix le met de côté et ne les applique jamais</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>valide</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 erreur</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 erreurs</translation>
    </message>
    <message>
        <source>note: cannot be used: %1; Tallix opens the ledger without its cleared marks, schedules and categories and leaves this file as it is</source>
        <translation>remarque : inutilisable : %1 ; Tallix ouvre le registre sans ses pointages, ses opérations planifiées ni ses catégories et laisse ce fichier tel quel</translation>
    </message>
    <message>
        <source>note: written with another version of %1; %2 of its cleared marks, %3 of its bank transaction ids, %4 of its checks&apos; memos or addresses and %5 of its transactions&apos; categories match no record and would be dropped</source>
        <translation>remarque : écrit avec une autre version de %1 ; %2 de ses pointages, %3 de ses identifiants d&apos;opération bancaire, %4 de ses mémos ou adresses de chèques et %5 de ses catégories d&apos;opérations ne correspondent à aucune écriture et seraient supprimés</translation>
    </message>
</context>
<context>
    <name>CliForecast</name>
    <message>
        <source>Usage: tallix-cli forecast LEDGER [--days N]</source>
        <translation>Usage : tallix-cli forecast LEDGER [--days N]</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Essayez « tallix-cli --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>forecast needs exactly one FILE</source>
        <translation>forecast attend exactement un FILE</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1 to %1</source>
        <translation>--days attend un nombre de jours de 1 à %1</translation>
    </message>
    <message>
        <source>due</source>
        <comment>an overdue scheduled transaction</comment>
        <translation>échu</translation>
    </message>
    <message>
        <source>Today (%1): %2  Lowest: %3 on %4</source>
        <translation>Aujourd&apos;hui (%1) : %2  Plus bas : %3 le %4</translation>
    </message>
</context>
<context>
    <name>CliImport</name>
    <message>
        <source>Usage: tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]
                         [CSV columns]
  or:  tallix-cli balance LEDGER --date D
  or:  tallix-cli reconcile LEDGER --date D --balance B</source>
        <translation>Usage : tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]
                          [colonnes CSV]
  ou :  tallix-cli balance LEDGER --date D
  ou :  tallix-cli reconcile LEDGER --date D --balance B</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Essayez « tallix-cli --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>%1: no account %2; it holds %3 accounts; choose one with --account ID:</source>
        <translation>%1 : aucun compte %2 ; le fichier contient %3 comptes ; choisissez-en un avec --account ID :</translation>
    </message>
    <message>
        <source>%1: it holds %2 accounts; choose one with --account ID:</source>
        <translation>%1 : le fichier contient %2 comptes ; choisissez-en un avec --account ID :</translation>
    </message>
    <message>
        <source>1 transaction</source>
        <translation>1 opération</translation>
    </message>
    <message>
        <source>%1 transactions</source>
        <translation>%1 opérations</translation>
    </message>
    <message>
        <source>%1: not imported: %2 cannot be used (%3), so the ledger&apos;s cleared marks and bank transaction ids are not known; move that file aside or put a sound copy in its place, then import again</source>
        <translation>%1 : non importé : %2 est inutilisable (%3), les pointages et identifiants d&apos;opération bancaire du registre sont donc inconnus ; mettez ce fichier de côté ou remplacez-le par une copie intacte, puis importez à nouveau</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1 added, %2 marked cleared, %3 skipped, %4 refused (dry run: nothing written)</source>
        <translation>ajoutées : %1, pointées : %2, ignorées : %3, refusées : %4 (essai : rien n&apos;a été écrit)</translation>
    </message>
    <message>
        <source>%1 added, %2 marked cleared, %3 skipped, %4 refused</source>
        <translation>ajoutées : %1, pointées : %2, ignorées : %3, refusées : %4</translation>
    </message>
    <message>
        <source>%1 is being changed by another tallix-cli (%2); try again once it is done</source>
        <translation>%1 est en cours de modification par un autre tallix-cli (%2) ; réessayez une fois qu&apos;il aura terminé</translation>
    </message>
    <message>
        <source>%1 is open in Tallix (%2); import the statement there, with File &gt; Import..., instead</source>
        <translation>%1 est ouvert dans Tallix (%2) ; importez plutôt le relevé là-bas, avec Fichier &gt; Importer...</translation>
    </message>
    <message>
        <source>cannot import into %1: no lock file can be made in %2 (%3), and without one Tallix could change the ledger at the same time; nothing was changed</source>
        <translation>impossible d&apos;importer dans %1 : aucun fichier de verrou ne peut être créé dans %2 (%3), et sans lui Tallix pourrait modifier le registre en même temps ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>1 unsaved change from %1 wait</source>
        <translation>1 modification non enregistrée du %1 attend</translation>
    </message>
    <message>
        <source>%1 unsaved changes from %2 wait</source>
        <translation>%1 modifications non enregistrées du %2 attendent</translation>
    </message>
    <message>
        <source>open the ledger in Tallix to recover or discard them</source>
        <translation>ouvrez le registre dans Tallix pour les récupérer ou les abandonner</translation>
    </message>
    <message>
        <source>unsaved changes that cannot be read (%1) wait</source>
        <translation>des modifications non enregistrées illisibles (%1) attendent</translation>
    </message>
    <message>
        <source>open the ledger in Tallix, which keeps them aside</source>
        <translation>ouvrez le registre dans Tallix, qui les met de côté</translation>
    </message>
    <message>
        <source>note: %1: %2 in the recovery journal %3; %4; until then the import is refused</source>
        <translation>remarque : %1 : %2 dans le journal de récupération %3 ; %4 ; d&apos;ici là, l&apos;importation est refusée</translation>
    </message>
    <message>
        <source>%1: %2 in the recovery journal %3; %4, then import the statement; nothing was changed</source>
        <translation>%1 : %2 dans le journal de récupération %3 ; %4, puis importez le relevé ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>balance needs a FILE and --date D</source>
        <translation>balance attend un FILE et --date D</translation>
    </message>
    <message>
        <source>not a date: &apos;%1&apos;</source>
        <translation>pas une date : « %1 »</translation>
    </message>
    <message>
        <source>reconcile needs a FILE, --date D and --balance B</source>
        <translation>reconcile attend un FILE, --date D et --balance B</translation>
    </message>
    <message>
        <source>not an amount: &apos;%1&apos;</source>
        <translation>pas un montant : « %1 »</translation>
    </message>
    <message>
        <source>Cleared balance on %1: %2</source>
        <translation>Solde pointé au %1 : %2</translation>
    </message>
    <message>
        <source>Statement: %1</source>
        <translation>Relevé : %1</translation>
    </message>
    <message>
        <source>Difference: %1</source>
        <translation>Écart : %1</translation>
    </message>
    <message>
        <source>Outstanding: %1 out (%2), %3 in (%4)</source>
        <translation>En attente : sorties %1 (%2), entrées %3 (%4)</translation>
    </message>
    <message>
        <source>--%1 needs a column number from 1</source>
        <translation>--%1 attend un numéro de colonne à partir de 1</translation>
    </message>
    <message>
        <source>--payee-col needs a column number from 1, or two separated by a comma</source>
        <translation>--payee-col attend un numéro de colonne à partir de 1, ou deux séparés par une virgule</translation>
    </message>
    <message>
        <source>--header takes yes or no</source>
        <translation>--header attend yes ou no</translation>
    </message>
    <message>
        <source>--date-order takes mdy, dmy or ymd</source>
        <translation>--date-order attend mdy, dmy ou ymd</translation>
    </message>
    <message>
        <source>--decimal takes . or ,</source>
        <translation>--decimal attend . ou ,</translation>
    </message>
    <message>
        <source>import needs a LEDGER and a STATEMENT</source>
        <translation>import attend un LEDGER et un STATEMENT</translation>
    </message>
    <message>
        <source>--format takes qif, csv or ofx</source>
        <translation>--format attend qif, csv ou ofx</translation>
    </message>
    <message>
        <source>warning: the columns could not be remembered in the settings</source>
        <translation>avertissement : les colonnes n&apos;ont pas pu être enregistrées dans les paramètres</translation>
    </message>
</context>
<context>
    <name>CliReport</name>
    <message>
        <source>Usage: tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]</source>
        <translation>Usage : tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Essayez « tallix-cli --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Income by category</source>
        <translation>Revenus par catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(sans catégorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Previous income</source>
        <translation>Revenus précédents</translation>
    </message>
    <message>
        <source>Previous spending</source>
        <translation>Dépenses précédentes</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>%1 (previous: %2)</source>
        <translation>%1 (précédente : %2)</translation>
    </message>
    <message>
        <source>report needs exactly one LEDGER</source>
        <translation>report attend exactement un LEDGER</translation>
    </message>
    <message>
        <source>report needs --by category, --by payee or --by month</source>
        <translation>report attend --by category, --by payee ou --by month</translation>
    </message>
    <message>
        <source>not a date: &apos;%1&apos;</source>
        <translation>pas une date : « %1 »</translation>
    </message>
    <message>
        <source>--from must not be after --to</source>
        <translation>--from ne doit pas être après --to</translation>
    </message>
</context>
<context>
    <name>Companion</name>
    <message>
        <source>it belongs to another ledger: none of its records is in this one</source>
        <translation>il appartient à un autre registre : aucune de ses écritures ne figure dans celui-ci</translation>
    </message>
    <message>
        <source>it is damaged (a split does not add up to its transaction&apos;s amount)</source>
        <translation>il est endommagé (une ventilation ne correspond pas au montant de son opération)</translation>
    </message>
    <message>
        <source>%1; it was left as it is. Move it aside to save the cleared marks, schedules and categories.</source>
        <translation>%1 ; il a été laissé tel quel. Mettez-le de côté pour enregistrer les pointages, les opérations planifiées et les catégories.</translation>
    </message>
</context>
<context>
    <name>CompanionFile</name>
    <message>
        <source>a bank transaction id is longer than 255 characters</source>
        <translation>un identifiant d&apos;opération bancaire dépasse 255 caractères</translation>
    </message>
    <message>
        <source>it is not a file of cleared marks written by Tallix</source>
        <translation>ce n&apos;est pas un fichier de pointages écrit par Tallix</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>il est endommagé (%1)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Tallix</source>
        <translation>il a été écrit par une version plus récente de Tallix</translation>
    </message>
    <message>
        <source>a statement&apos;s date or ending balance is out of range</source>
        <translation>la date ou le solde final d&apos;un relevé est hors limites</translation>
    </message>
    <message>
        <source>a deleted record&apos;s bank transaction id is empty</source>
        <translation>l&apos;identifiant d&apos;opération bancaire d&apos;une écriture supprimée est vide</translation>
    </message>
    <message>
        <source>a scheduled transaction is not one Tallix can keep</source>
        <translation>une opération planifiée ne peut pas être conservée par Tallix</translation>
    </message>
    <message>
        <source>a check&apos;s memo or address is too long</source>
        <translation>le mémo ou l&apos;adresse d&apos;un chèque est trop long</translation>
    </message>
    <message>
        <source>a transaction&apos;s category or split is not one Tallix can keep</source>
        <translation>une catégorie ou une ventilation d&apos;opération ne peut pas être conservée par Tallix</translation>
    </message>
    <message>
        <source>the list of categories or an import rule is not one Tallix can keep</source>
        <translation>la liste des catégories ou une règle d&apos;importation ne peut pas être conservée par Tallix</translation>
    </message>
</context>
<context>
    <name>CsvGuess</name>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>pas un fichier texte</translation>
    </message>
    <message>
        <source>no line of it has columns: not a CSV statement</source>
        <translation>aucune ligne n&apos;a de colonnes : pas un relevé CSV</translation>
    </message>
</context>
<context>
    <name>CsvMappingDialog</name>
    <message>
        <source>%1  skipped: %2</source>
        <translation>%1  ignorée : %2</translation>
    </message>
    <message>
        <source>Statement Columns</source>
        <translation>Colonnes du relevé</translation>
    </message>
    <message>
        <source>First row holds column &amp;names</source>
        <translation>La première ligne contient les &amp;noms des colonnes</translation>
    </message>
    <message>
        <source>Month Day Year</source>
        <translation>Mois Jour Année</translation>
    </message>
    <message>
        <source>Day Month Year</source>
        <translation>Jour Mois Année</translation>
    </message>
    <message>
        <source>Year Month Day</source>
        <translation>Année Mois Jour</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Point (1,234.56)</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Virgule (1.234,56)</translation>
    </message>
    <message>
        <source>&amp;Date column:</source>
        <translation>Colonne de la &amp;date :</translation>
    </message>
    <message>
        <source>Date &amp;order:</source>
        <translation>&amp;Ordre de la date :</translation>
    </message>
    <message>
        <source>&amp;Amount column:</source>
        <translation>Colonne du &amp;montant :</translation>
    </message>
    <message>
        <source>with Debit/credit &amp;words in column:</source>
        <translation>avec les mots Débit/crédit dans la co&amp;lonne :</translation>
    </message>
    <message>
        <source>or D&amp;ebit column:</source>
        <translation>ou colonne du déb&amp;it :</translation>
    </message>
    <message>
        <source>and C&amp;redit column:</source>
        <translation>et colonne du c&amp;rédit :</translation>
    </message>
    <message>
        <source>&amp;Payee column:</source>
        <translation>Colonne du &amp;bénéficiaire :</translation>
    </message>
    <message>
        <source>and second pa&amp;yee column:</source>
        <translation>et seconde colonne du bénéfici&amp;aire :</translation>
    </message>
    <message>
        <source>C&amp;heck number column:</source>
        <translation>Colonne du numéro de c&amp;hèque :</translation>
    </message>
    <message>
        <source>&amp;Type column:</source>
        <translation>Colonne du &amp;type :</translation>
    </message>
    <message>
        <source>Stat&amp;us column (pending rows are skipped):</source>
        <translation>Colonne du stat&amp;ut (les lignes en attente sont ignorées) :</translation>
    </message>
    <message>
        <source>Decimal &amp;separator:</source>
        <translation>&amp;Séparateur décimal :</translation>
    </message>
    <message>
        <source>Which column of the statement holds what?</source>
        <translation>Quelle colonne du relevé contient quoi ?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>column number: its name</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Column %1 (%2)</source>
        <translation>Colonne %1 (%2)</translation>
    </message>
    <message>
        <source>First lines as read:
%1</source>
        <translation>Premières lignes telles que lues :
%1</translation>
    </message>
    <message>
        <source>These columns cannot be read: %1</source>
        <translation>Ces colonnes ne peuvent pas être lues : %1</translation>
    </message>
    <message>
        <source>Cate&amp;gory column:</source>
        <translation>Colonne de la caté&amp;gorie :</translation>
    </message>
    <message>
        <source>Sp&amp;lit column (as Tallix exports it):</source>
        <translation>Colonne de &amp;ventilation (telle que Tallix l&apos;exporte) :</translation>
    </message>
</context>
<context>
    <name>CsvStatement</name>
    <message>
        <source>Dates read month first, as chosen.</source>
        <translation>Dates lues avec le mois en premier, comme choisi.</translation>
    </message>
    <message>
        <source>Dates read day first, as chosen.</source>
        <translation>Dates lues avec le jour en premier, comme choisi.</translation>
    </message>
    <message>
        <source>Dates read year first, as chosen.</source>
        <translation>Dates lues avec l&apos;année en premier, comme choisi.</translation>
    </message>
    <message>
        <source>Dates read month first, as the locale writes dates: no date in the statement tells.</source>
        <translation>Dates lues avec le mois en premier, comme les paramètres régionaux écrivent les dates : aucune date du relevé ne l&apos;indique.</translation>
    </message>
    <message>
        <source>Dates read day first, as the locale writes dates: no date in the statement tells.</source>
        <translation>Dates lues avec le jour en premier, comme les paramètres régionaux écrivent les dates : aucune date du relevé ne l&apos;indique.</translation>
    </message>
    <message>
        <source>Dates read year first, as the locale writes dates: no date in the statement tells.</source>
        <translation>Dates lues avec l&apos;année en premier, comme les paramètres régionaux écrivent les dates : aucune date du relevé ne l&apos;indique.</translation>
    </message>
    <message>
        <source>Dates read day first (%1 has no month %2).</source>
        <translation>Dates lues avec le jour en premier (%1 n&apos;a pas de mois %2).</translation>
    </message>
    <message>
        <source>Dates read day first, as dates written with dots are (%1).</source>
        <translation>Dates lues avec le jour en premier, comme le sont les dates écrites avec des points (%1).</translation>
    </message>
    <message>
        <source>Dates read month first (%1 has no month %2).</source>
        <translation>Dates lues avec le mois en premier (%1 n&apos;a pas de mois %2).</translation>
    </message>
    <message>
        <source>1 line before the table skipped.</source>
        <translation>1 ligne ignorée avant le tableau.</translation>
    </message>
    <message>
        <source>%1 lines before the table skipped.</source>
        <translation>%1 lignes ignorées avant le tableau.</translation>
    </message>
    <message>
        <source>1 line after the table skipped.</source>
        <translation>1 ligne ignorée après le tableau.</translation>
    </message>
    <message>
        <source>%1 lines after the table skipped.</source>
        <translation>%1 lignes ignorées après le tableau.</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>un champ entre guillemets n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>aucune ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>no date column chosen</source>
        <translation>aucune colonne de date choisie</translation>
    </message>
    <message>
        <source>no amount, debit or credit column chosen</source>
        <translation>aucune colonne de montant, de débit ou de crédit choisie</translation>
    </message>
    <message>
        <source>the header has no column %1</source>
        <translation>l&apos;en-tête n&apos;a pas de colonne %1</translation>
    </message>
    <message>
        <source>the first row has no column %1</source>
        <translation>la première ligne n&apos;a pas de colonne %1</translation>
    </message>
    <message>
        <source>the amounts use both &apos;.&apos; and &apos;,&apos; before their cents: say which is the decimal separator</source>
        <translation>les montants utilisent à la fois &apos;.&apos; et &apos;,&apos; avant les centimes : indiquez lequel est le séparateur décimal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the direction column says neither debit nor credit; the words known are %2</source>
        <translation>« %1 » dans la colonne du sens n&apos;indique ni débit ni crédit ; les mots connus sont %2</translation>
    </message>
    <message>
        <source>not a date: %1</source>
        <translation>pas une date : %1</translation>
    </message>
    <message>
        <source>not an amount: %1</source>
        <translation>pas un montant : %1</translation>
    </message>
    <message>
        <source>pending at the bank (%1)</source>
        <translation>en attente à la banque (%1)</translation>
    </message>
    <message>
        <source>no amount</source>
        <translation>aucun montant</translation>
    </message>
    <message>
        <source>not in the form CATEGORY=AMOUNT|CATEGORY=AMOUNT</source>
        <translation>pas sous la forme CATÉGORIE=MONTANT|CATÉGORIE=MONTANT</translation>
    </message>
    <message>
        <source>more than %1 parts</source>
        <translation>plus de %1 parts</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>Associate &quot;.TLX&quot; files with this application?</source>
        <translation>Associer les fichiers « .TLX » à cette application ?</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>Lowest: %1 on %2</source>
        <translation>Plus bas : %1 le %2</translation>
    </message>
    <message>
        <source>%1 scheduled due</source>
        <translation>Planifiées à échéance : %1</translation>
    </message>
    <message>
        <source>Today&apos;s balance: %1</source>
        <translation>Solde du jour : %1</translation>
    </message>
    <message>
        <source>%1 (forecast cut)</source>
        <translation>%1 (prévision tronquée)</translation>
    </message>
    <message>
        <source>Overdue scheduled transactions before %1 are left out: edit the schedules that start before then.</source>
        <translation>Les opérations planifiées en retard avant le %1 sont omises : modifiez les opérations planifiées qui commencent avant cette date.</translation>
    </message>
    <message>
        <source>More than %1 scheduled transactions fall due: those from %2 on are left out.</source>
        <translation>Plus de %1 opérations planifiées arrivent à échéance : celles à partir du %2 sont omises.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>check number %1 is beyond %2</source>
        <translation>le numéro de chèque %1 dépasse %2</translation>
    </message>
    <message>
        <source>dated on or before the lock date %1</source>
        <translation>datée au plus tard de la date de verrouillage %1</translation>
    </message>
    <message>
        <source>amount beyond %1</source>
        <translation>montant supérieur à %1</translation>
    </message>
    <message>
        <source>a date or amount the ledger cannot keep</source>
        <translation>une date ou un montant que le registre ne peut pas conserver</translation>
    </message>
    <message>
        <source>the ledger is full</source>
        <translation>le registre est plein</translation>
    </message>
    <message>
        <source>the ledger has room for %1 more transactions, not %2</source>
        <translation>le registre a de la place pour %1 opérations de plus, pas pour %2</translation>
    </message>
    <message>
        <source>The statement opens with a balance of %1, this ledger with a starting balance of %2: change it in the settings for the balances to agree.</source>
        <translation>Le relevé commence avec un solde de %1, ce registre avec un solde initial de %2 : modifiez-le dans les paramètres pour que les soldes concordent.</translation>
    </message>
    <message>
        <source>added as Withdrawal</source>
        <translation>ajoutée comme retrait</translation>
    </message>
    <message>
        <source>added as Fee</source>
        <translation>ajoutée comme frais</translation>
    </message>
    <message>
        <source>added as Deposit</source>
        <translation>ajoutée comme dépôt</translation>
    </message>
    <message>
        <source>added as Interest</source>
        <translation>ajoutée comme intérêts</translation>
    </message>
    <message>
        <source>added as Check %1</source>
        <translation>ajoutée comme chèque %1</translation>
    </message>
    <message>
        <source>added as Payment</source>
        <translation>ajoutée comme paiement</translation>
    </message>
    <message>
        <source>%1: enters scheduled %2 of %3</source>
        <comment>added as Payment: enters scheduled Rent of 12/1/2026</comment>
        <translation>%1 : saisit l&apos;opération planifiée %2 du %3</translation>
    </message>
    <message>
        <source>matches %1: marks it cleared</source>
        <translation>correspond à %1 : la marque comme pointée</translation>
    </message>
    <message>
        <source>skipped, deleted earlier</source>
        <translation>ignorée, supprimée auparavant</translation>
    </message>
    <message>
        <source>skipped, duplicate of %1</source>
        <translation>ignorée, doublon de %1</translation>
    </message>
    <message>
        <source>skipped, repeats statement line %1</source>
        <translation>ignorée, répète la ligne %1 du relevé</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>ignorée : %1</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refusée : %1</translation>
    </message>
    <message>
        <source>%1, split: %2</source>
        <comment>added as Check 1201, split: Food:Groceries 120.00, Household 67.34</comment>
        <translation>%1, ventilée : %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>added as Payment, Food:Groceries</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no category</source>
        <translation>sans catégorie</translation>
    </message>
</context>
<context>
    <name>ImportPreview</name>
    <message>
        <source>Import %1</source>
        <translation>Importer %1</translation>
    </message>
    <message>
        <source>Statement lines</source>
        <translation>Lignes du relevé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Check #</source>
        <translation>N° de chèque</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Ce qui se passe</translation>
    </message>
    <message>
        <source>Cut to %1 characters; the statement says: %2</source>
        <translation>Tronqué à %1 caractères ; le relevé indique : %2</translation>
    </message>
    <message>
        <source>The statement says: %1</source>
        <translation>Le relevé indique : %1</translation>
    </message>
    <message>
        <source>, %1 to skip for the reasons shown</source>
        <translation>, %1 à ignorer pour les raisons indiquées</translation>
    </message>
    <message>
        <source>%1 to add, %2 to mark cleared, %3 to skip as duplicates%4, %5 refused</source>
        <translation>%1 à ajouter, %2 à pointer, %3 doublons à ignorer%4, %5 refusées</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Add as Withdrawal</source>
        <translation>Ajouter comme retrait</translation>
    </message>
    <message>
        <source>Add as Fee</source>
        <translation>Ajouter comme frais</translation>
    </message>
    <message>
        <source>Add as Deposit</source>
        <translation>Ajouter comme dépôt</translation>
    </message>
    <message>
        <source>Add as Interest</source>
        <translation>Ajouter comme intérêts</translation>
    </message>
    <message>
        <source>Add as Check</source>
        <translation>Ajouter comme chèque</translation>
    </message>
    <message>
        <source>Add as Payment</source>
        <translation>Ajouter comme paiement</translation>
    </message>
    <message>
        <source>Enters scheduled: %1 on %2</source>
        <translation>Saisit l&apos;opération planifiée : %1 le %2</translation>
    </message>
    <message>
        <source>Matches %1: marks it cleared</source>
        <translation>Correspond à %1 : la marque comme pointée</translation>
    </message>
    <message>
        <source>Skip: deleted earlier</source>
        <translation>Ignorer : supprimée auparavant</translation>
    </message>
    <message>
        <source>Skip: duplicate of %1</source>
        <translation>Ignorer : doublon de %1</translation>
    </message>
    <message>
        <source>Skip: repeats row %1</source>
        <translation>Ignorer : répète la ligne %1</translation>
    </message>
    <message>
        <source>Skip: %1</source>
        <translation>Ignorer : %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Refusée : %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Make a &amp;Rule...</source>
        <translation>Créer une &amp;règle...</translation>
    </message>
    <message>
        <source>Split as the statement says: %1</source>
        <translation>Ventilée comme le dit le relevé : %1</translation>
    </message>
    <message>
        <source>As the statement says</source>
        <translation>Comme le dit le relevé</translation>
    </message>
    <message>
        <source>By the rule for descriptions that contain &quot;%1&quot;</source>
        <translation>Selon la règle des descriptions qui contiennent « %1 »</translation>
    </message>
    <message>
        <source>As the payee&apos;s last transaction</source>
        <translation>Comme la dernière opération du bénéficiaire</translation>
    </message>
    <message>
        <source>(split)</source>
        <translation>(ventilée)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; → %2</source>
        <comment>description contains TEXT: CATEGORY</comment>
        <translation>« %1 » → %2</translation>
    </message>
    <message>
        <source>Rules kept with the import: %1</source>
        <translation>Règles conservées avec l’importation : %1</translation>
    </message>
</context>
<context>
    <name>ImportSequence</name>
    <message>
        <source>Account %1 has no transactions in this statement.</source>
        <translation>Le compte %1 n&apos;a aucune opération dans ce relevé.</translation>
    </message>
</context>
<context>
    <name>JournalFormat</name>
    <message>
        <source>not a recovery journal</source>
        <translation>ce n&apos;est pas un journal de récupération</translation>
    </message>
    <message>
        <source>a journal of version %1, which this version of Tallix cannot read</source>
        <translation>un journal de version %1, que cette version de Tallix ne sait pas lire</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>son en-tête est endommagé</translation>
    </message>
</context>
<context>
    <name>LedgerCheck</name>
    <message>
        <source>the lock date %1 is not a date from 1/1/100 to 12/31/9999</source>
        <translation>la date de verrouillage %1 n&apos;est pas une date du 1/1/100 au 31/12/9999</translation>
    </message>
    <message>
        <source>date %1 is not a date from 1/1/100 to 12/31/9999</source>
        <translation>la date %1 n&apos;est pas une date du 1/1/100 au 31/12/9999</translation>
    </message>
    <message>
        <source>the lock date %1 carries a time of day</source>
        <translation>la date de verrouillage %1 comporte une heure</translation>
    </message>
    <message>
        <source>date %1 carries a time of day</source>
        <translation>la date %1 comporte une heure</translation>
    </message>
    <message>
        <source>the starting balance %1 is not an amount of at most %2 either way</source>
        <translation>le solde initial %1 n&apos;est pas un montant d&apos;au plus %2 dans un sens ou dans l&apos;autre</translation>
    </message>
    <message>
        <source>amount %1 is not an amount of at most %2 either way</source>
        <translation>le montant %1 n&apos;est pas un montant d&apos;au plus %2 dans un sens ou dans l&apos;autre</translation>
    </message>
    <message>
        <source>check %1 appears %2 times (records %3)</source>
        <translation>le chèque %1 apparaît %2 fois (écritures %3)</translation>
    </message>
    <message>
        <source>check %1 is missing</source>
        <translation>le chèque %1 manque</translation>
    </message>
    <message>
        <source>checks %1 to %2 are missing</source>
        <translation>les chèques %1 à %2 manquent</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, shorter than its 64-byte header</source>
        <translation>le fichier fait %1 octets, moins que son en-tête de 64 octets</translation>
    </message>
    <message>
        <source>the header text is not &quot;CHECK DATA HEADER&quot;</source>
        <translation>le texte d&apos;en-tête n&apos;est pas « CHECK DATA HEADER »</translation>
    </message>
    <message>
        <source>the record count %1 is below 1</source>
        <translation>le nombre d&apos;écritures %1 est inférieur à 1</translation>
    </message>
    <message>
        <source>the next check number %1 is negative</source>
        <translation>le prochain numéro de chèque %1 est négatif</translation>
    </message>
    <message>
        <source>the header counts %1 records but the file holds %2</source>
        <translation>l&apos;en-tête compte %1 écritures mais le fichier en contient %2</translation>
    </message>
    <message>
        <source>%1 bytes follow the last counted record and are never read</source>
        <translation>%1 octets suivent la dernière écriture comptée et ne sont jamais lus</translation>
    </message>
    <message>
        <source>type code %1 is not 0 to 4</source>
        <translation>le code de type %1 n&apos;est pas compris entre 0 et 4</translation>
    </message>
    <message>
        <source>check number %1 is neither 1 or more (a check) nor -1 (a payment)</source>
        <translation>le numéro de chèque %1 n&apos;est ni supérieur ou égal à 1 (un chèque) ni -1 (un paiement)</translation>
    </message>
    <message>
        <source>check number %1 on a record of type %2, which usually carries 0</source>
        <translation>numéro de chèque %1 sur une écriture de type %2, qui porte habituellement 0</translation>
    </message>
    <message>
        <source>amount %1 carries a sign; the type tells debits from credits</source>
        <translation>le montant %1 porte un signe ; le type distingue les débits des crédits</translation>
    </message>
    <message>
        <source>locked flag %1 is neither 0 nor -1; it reads as locked</source>
        <translation>l&apos;indicateur de verrouillage %1 n&apos;est ni 0 ni -1 ; il est lu comme verrouillé</translation>
    </message>
    <message>
        <source>the description holds control characters: &quot;%1&quot;</source>
        <translation>la description contient des caractères de contrôle : « %1 »</translation>
    </message>
</context>
<context>
    <name>LedgerFile</name>
    <message>
        <source>Error opening file</source>
        <translation>Erreur à l&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>Unknown file type</source>
        <translation>Type de fichier inconnu</translation>
    </message>
    <message>
        <source>Unable to save file:</source>
        <translation>Impossible d&apos;enregistrer le fichier :</translation>
    </message>
    <message>
        <source>It changed on disk since it was read.</source>
        <translation>Il a été modifié sur le disque depuis sa lecture.</translation>
    </message>
    <message>
        <source>It is open in another copy of Tallix: %1.</source>
        <translation>Il est ouvert dans une autre instance de Tallix : %1.</translation>
    </message>
    <message>
        <source>1 cleared mark</source>
        <translation>1 pointage</translation>
    </message>
    <message>
        <source>%1 cleared marks</source>
        <translation>%1 pointages</translation>
    </message>
    <message>
        <source>1 bank transaction id</source>
        <translation>1 identifiant d&apos;opération bancaire</translation>
    </message>
    <message>
        <source>%1 bank transaction ids</source>
        <translation>%1 identifiants d&apos;opération bancaire</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 of %2 could not be matched to its records and was dropped.</source>
        <translation>%1 de %2 n&apos;a pu être associé à aucune écriture et a été supprimé.</translation>
    </message>
    <message>
        <source>%1 of %2 could not be matched to its records and were dropped.</source>
        <translation>%1 de %2 n&apos;ont pu être associés à aucune écriture et ont été supprimés.</translation>
    </message>
    <message>
        <source>it was not there when the ledger was opened</source>
        <translation>il n&apos;existait pas à l&apos;ouverture du registre</translation>
    </message>
    <message>
        <source>1 check&apos;s memo or address</source>
        <translation>1 mémo ou adresse de chèque</translation>
    </message>
    <message>
        <source>%1 checks&apos; memos or addresses</source>
        <translation>%1 mémos ou adresses de chèques</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 et %3</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The ledger opens without its cleared marks, schedules and categories, and saving leaves that file as it is; move it aside to save new ones.</source>
        <translation>%1 est inutilisable : %2. Le registre s&apos;ouvre sans ses pointages, ses opérations planifiées ni ses catégories, et l&apos;enregistrement laisse ce fichier tel quel ; mettez-le de côté pour enregistrer les nouveaux.</translation>
    </message>
    <message>
        <source>1 transaction&apos;s category</source>
        <translation>1 catégorie d&apos;opération</translation>
    </message>
    <message>
        <source>%1 transactions&apos; categories</source>
        <translation>%1 catégories d&apos;opérations</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <translation>%1, %2, %3 et %4</translation>
    </message>
</context>
<context>
    <name>LedgerHold</name>
    <message>
        <source>a copy that did not say who it is, since %1</source>
        <translation>une instance qui ne s&apos;est pas identifiée, depuis le %1</translation>
    </message>
    <message>
        <source>%1 on %2 (process %3) since %4</source>
        <translation>%1 sur %2 (processus %3) depuis le %4</translation>
    </message>
    <message>
        <source>someone</source>
        <translation>quelqu&apos;un</translation>
    </message>
</context>
<context>
    <name>LedgerRecovery</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>Unsaved changes cannot be kept for recovery after a crash:</source>
        <translation>Les modifications non enregistrées ne peuvent pas être conservées pour une récupération après un plantage :</translation>
    </message>
    <message>
        <source>Save the ledger to keep them.</source>
        <translation>Enregistrez le registre pour les conserver.</translation>
    </message>
    <message>
        <source>The recovery journal %1 cannot be removed: %2.</source>
        <translation>Le journal de récupération %1 ne peut pas être supprimé : %2.</translation>
    </message>
    <message>
        <source>The next time this ledger is opened, Tallix may offer its changes again although they were saved or discarded; discard them then.</source>
        <translation>À la prochaine ouverture de ce registre, Tallix proposera peut-être à nouveau ses modifications bien qu&apos;elles aient été enregistrées ou abandonnées ; abandonnez-les alors.</translation>
    </message>
</context>
<context>
    <name>LedgerRules</name>
    <message>
        <source>Date must be greater than %1</source>
        <translation>La date doit être postérieure au %1</translation>
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
    <name>OfxStatement</name>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list: 9100, 9200 and 9300</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>no &lt;OFX&gt; element: not an OFX file</source>
        <translation>aucun élément &lt;OFX&gt; : pas un fichier OFX</translation>
    </message>
    <message>
        <source>a tag is never closed with &apos;&gt;&apos;</source>
        <translation>une balise n&apos;est jamais fermée par &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>&lt;STMTTRN&gt; is never closed</source>
        <translation>&lt;STMTTRN&gt; n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>the file ends before &lt;/OFX&gt;</source>
        <translation>le fichier se termine avant &lt;/OFX&gt;</translation>
    </message>
    <message>
        <source>The file lists account %1 but holds no statement of its transactions.</source>
        <translation>Le fichier mentionne le compte %1 mais ne contient aucun relevé de ses opérations.</translation>
    </message>
    <message>
        <source>The file lists accounts %1 but holds no statement of their transactions.</source>
        <translation>Le fichier mentionne les comptes %1 mais ne contient aucun relevé de leurs opérations.</translation>
    </message>
    <message>
        <source>The statement holds no transactions.</source>
        <translation>Le relevé ne contient aucune opération.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>&lt;STMTTRN&gt; inside the &lt;STMTTRN&gt; of line %1</source>
        <translation>&lt;STMTTRN&gt; à l&apos;intérieur du &lt;STMTTRN&gt; de la ligne %1</translation>
    </message>
    <message>
        <source>elements nested deeper than %1</source>
        <translation>éléments imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>a CDATA section is never closed with &apos;]]&gt;&apos;</source>
        <translation>une section CDATA n&apos;est jamais fermée par &apos;]]&gt;&apos;</translation>
    </message>
    <message>
        <source>the bank answered with error %1; the file holds no statement</source>
        <translation>la banque a répondu par l&apos;erreur %1 ; le fichier ne contient aucun relevé</translation>
    </message>
    <message>
        <source>The bank answered with warning %1</source>
        <translation>La banque a répondu par l&apos;avertissement %1</translation>
    </message>
    <message>
        <source>&lt;/%1&gt; without &lt;%1&gt;</source>
        <translation>&lt;/%1&gt; sans &lt;%1&gt;</translation>
    </message>
    <message>
        <source>not a date in DTPOSTED: &apos;%1&apos;</source>
        <translation>pas une date dans DTPOSTED : &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the bank gave no amount (null)</source>
        <translation>la banque n&apos;a indiqué aucun montant (null)</translation>
    </message>
    <message>
        <source>not an amount in TRNAMT: &apos;%1&apos;</source>
        <translation>pas un montant dans TRNAMT : &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is no longer a pipe or a device</source>
        <translation>ce n&apos;est plus un tube ni un périphérique</translation>
    </message>
    <message>
        <source>it is the file being exported</source>
        <translation>c&apos;est le fichier en cours d&apos;exportation</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is neither a regular file, a pipe nor a character device</source>
        <translation>ce n&apos;est ni un fichier ordinaire, ni un tube, ni un périphérique caractère</translation>
    </message>
    <message>
        <source>it is a Tallix ledger</source>
        <translation>c&apos;est un registre Tallix</translation>
    </message>
    <message>
        <source>it cannot be read to see whether it is a ledger</source>
        <translation>il ne peut pas être lu pour vérifier s&apos;il s&apos;agit d&apos;un registre</translation>
    </message>
    <message>
        <source>not a file to write</source>
        <translation>ce n&apos;est pas un fichier à écrire</translation>
    </message>
</context>
<context>
    <name>QifStatement</name>
    <message>
        <source>line %1: the dates are written in both orders: %2 is day first, %3 month first</source>
        <translation>ligne %1 : les dates sont écrites dans les deux ordres : %2 a le jour en premier, %3 le mois</translation>
    </message>
    <message>
        <source>Dates read day first (%1 has no month %2).</source>
        <translation>Dates lues avec le jour en premier (%1 n&apos;a pas de mois %2).</translation>
    </message>
    <message>
        <source>Dates read month first (%1 has no month %2).</source>
        <translation>Dates lues avec le mois en premier (%1 n&apos;a pas de mois %2).</translation>
    </message>
    <message>
        <source>Dates read day first, as dates written with dots are (%1).</source>
        <translation>Dates lues avec le jour en premier, comme le sont les dates écrites avec des points (%1).</translation>
    </message>
    <message>
        <source>Dates read month first, as QIF usually writes them (%1).</source>
        <translation>Dates lues avec le mois en premier, comme QIF les écrit habituellement (%1).</translation>
    </message>
    <message>
        <source>transaction without a date (D)</source>
        <translation>opération sans date (D)</translation>
    </message>
    <message>
        <source>transaction without an amount (T)</source>
        <translation>opération sans montant (T)</translation>
    </message>
    <message>
        <source>%1 is no bank, cash or credit card account</source>
        <translation>%1 n&apos;est pas un compte bancaire, d&apos;espèces ou de carte de crédit</translation>
    </message>
    <message>
        <source>unknown header %1</source>
        <translation>en-tête inconnu %1</translation>
    </message>
    <message>
        <source>no !Type:Bank, !Type:Cash or !Type:CCard line before the transactions</source>
        <translation>aucune ligne !Type:Bank, !Type:Cash ou !Type:CCard avant les opérations</translation>
    </message>
    <message>
        <source>not a date: %1</source>
        <translation>pas une date : %1</translation>
    </message>
    <message>
        <source>not an amount: %1</source>
        <translation>pas un montant : %1</translation>
    </message>
    <message>
        <source>The file holds no bank, cash or credit card transactions.</source>
        <translation>Le fichier ne contient aucune opération bancaire, d&apos;espèces ou de carte de crédit.</translation>
    </message>
    <message>
        <source>more than %1 parts</source>
        <translation>plus de %1 parties</translation>
    </message>
</context>
<context>
    <name>RegisterCells</name>
    <message>
        <source>Check #</source>
        <translation>N° de chèque</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Description of Transaction</source>
        <translation>Description de l&apos;opération</translation>
    </message>
    <message>
        <source>Payment/Debit</source>
        <translation>Paiement/Débit</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Deposit/Credit</source>
        <translation>Dépôt/Crédit</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>(split)</source>
        <translation>(ventilé)</translation>
    </message>
    <message>
        <source>(no category)</source>
        <translation>(sans catégorie)</translation>
    </message>
</context>
<context>
    <name>RegisterGrid</name>
    <message>
        <source>Delete this record?</source>
        <translation>Supprimer cette opération ?</translation>
    </message>
    <message>
        <source>Void check %1 to %2, dated %3? Its amount becomes %4; its number and date stay.</source>
        <translation>Annuler le chèque %1 à l&apos;ordre de %2 du %3 ? Son montant devient %4 ; son numéro et sa date restent.</translation>
    </message>
    <message>
        <source>%1 is split into parts, and its amount changes from %2 to %3. How should the parts change?</source>
        <translation>%1 est ventilé, et son montant passe de %2 à %3. Comment les parties doivent-elles changer ?</translation>
    </message>
    <message>
        <source>Scale in Proportion</source>
        <translation>Ajuster en proportion</translation>
    </message>
    <message>
        <source>Difference to the Last Part</source>
        <translation>Écart sur la dernière partie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RegisterPrint</name>
    <message>
        <source>none</source>
        <comment>no lock date</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Starting balance: %1    Lock date: %2    Printed: %3</source>
        <translation>Solde initial : %1    Date de verrouillage : %2    Imprimé le : %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>RegisterText</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Starting balance:   %1
Lock date:          %2
Next check number:  %3
</source>
        <translation>Solde initial :              %1
Date de verrouillage :       %2
Prochain numéro de chèque :  %3
</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Nothing in this period.</source>
        <translation>Rien sur cette période.</translation>
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
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>No category</source>
        <translation>Sans catégorie</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Previous income</source>
        <translation>Revenus précédents</translation>
    </message>
    <message>
        <source>Previous spending</source>
        <translation>Dépenses précédentes</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Income by category</source>
        <translation>Revenus par catégorie</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>This period</source>
        <translation>Cette période</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Période précédente</translation>
    </message>
    <message>
        <source>Income and spending by month</source>
        <translation>Revenus et dépenses par mois</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
</context>
<context>
    <name>ReportsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Le mois dernier</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>L&apos;année dernière</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Les 12 derniers mois</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates choisies</translation>
    </message>
    <message>
        <source>Co&amp;mpare with the previous period</source>
        <translation>&amp;Comparer avec la période précédente</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barres</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Secteurs</translation>
    </message>
    <message>
        <source>Cha&amp;rt:</source>
        <translation>&amp;Graphique :</translation>
    </message>
    <message>
        <source>By c&amp;ategory</source>
        <translation>Par ca&amp;tégorie</translation>
    </message>
    <message>
        <source>By m&amp;onth</source>
        <translation>Par &amp;mois</translation>
    </message>
    <message>
        <source>By pa&amp;yee</source>
        <translation>Par &amp;bénéficiaire</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en PD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>Save C&amp;hart...</source>
        <translation>Enregistrer le g&amp;raphique...</translation>
    </message>
    <message>
        <source>%1, compared with %2</source>
        <translation>%1, comparé à %2</translation>
    </message>
    <message>
        <source>Income and spending by month</source>
        <translation>Revenus et dépenses par mois</translation>
    </message>
    <message>
        <source>Spending by payee</source>
        <translation>Dépenses par bénéficiaire</translation>
    </message>
    <message>
        <source>Spending and income by category</source>
        <translation>Dépenses et revenus par catégorie</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>report: ledger</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message>
        <source>Unable to print the report.</source>
        <translation>Impossible d&apos;imprimer le rapport.</translation>
    </message>
    <message>
        <source>nothing could be drawn</source>
        <translation>rien n&apos;a pu être dessiné</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>Unable to save the report to %1: %2.</source>
        <translation>Impossible d&apos;enregistrer le rapport dans %1 : %2.</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>Fichier CSV</translation>
    </message>
    <message>
        <source>Unable to export the report to %1: %2.</source>
        <translation>Impossible d&apos;exporter le rapport vers %1 : %2.</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>Image SVG</translation>
    </message>
    <message>
        <source>Unable to save the chart to %1: %2.</source>
        <translation>Impossible d&apos;enregistrer le graphique dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>RuleDialog</name>
    <message>
        <source>Make a Rule</source>
        <translation>Créer une règle</translation>
    </message>
    <message>
        <source>&amp;Description contains:</source>
        <translation>La &amp;description contient :</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Catégorie :</translation>
    </message>
    <message>
        <source>Lines whose description contains the text (ignoring case) take the category, in this import and the next ones.</source>
        <translation>Les lignes dont la description contient le texte (sans tenir compte de la casse) prennent la catégorie, dans cette importation et les suivantes.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>Opération planifiée</translation>
    </message>
    <message>
        <source>Amount &amp;varies</source>
        <translation>Montant &amp;variable</translation>
    </message>
    <message>
        <source>by up to</source>
        <translation>d&apos;au plus</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>On &amp;day</source>
        <translation>Le &amp;jour</translation>
    </message>
    <message>
        <source>On t&amp;he</source>
        <translation>&amp;Le</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>Jam&amp;ais</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>L&amp;e</translation>
    </message>
    <message>
        <source>&amp;After</source>
        <translation>A&amp;près</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>Le jour même</translation>
    </message>
    <message>
        <source>Move before</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Move after</source>
        <translation>Reporter</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>D&amp;escription:</source>
        <translation>&amp;Description :</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>&amp;Montant :</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>&amp;Intervalle :</translation>
    </message>
    <message>
        <source>&amp;Starts:</source>
        <translation>Dé&amp;but :</translation>
    </message>
    <message>
        <source>Ends:</source>
        <translation>Fin :</translation>
    </message>
    <message>
        <source>On a &amp;weekend:</source>
        <translation>Le &amp;week-end :</translation>
    </message>
    <message>
        <source>ended</source>
        <comment>a schedule with no next date</comment>
        <translation>terminée</translation>
    </message>
    <message>
        <source>none, the schedule ends before it starts</source>
        <translation>aucune, l&apos;opération planifiée se termine avant de commencer</translation>
    </message>
    <message>
        <source>%1 (due)</source>
        <comment>a date</comment>
        <translation>%1 (à échéance)</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next date of a schedule</comment>
        <translation>Prochaine : %1</translation>
    </message>
    <message>
        <source>The schedule needs a description.</source>
        <translation>L&apos;opération planifiée doit avoir une description.</translation>
    </message>
    <message>
        <source>The amount must be an amount such as %1.</source>
        <translation>Le montant doit être un montant tel que %1.</translation>
    </message>
    <message>
        <source>The tolerance must be an amount such as %1.</source>
        <translation>La tolérance doit être un montant tel que %1.</translation>
    </message>
    <message>
        <source>The schedule ends before it starts.</source>
        <translation>L&apos;opération planifiée se termine avant de commencer.</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>%1st</source>
        <comment>ordinal: 1st</comment>
        <translation>%1er</translation>
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
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>last</source>
        <comment>week of the month, as in: on the first Monday</comment>
        <translation>dernier</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Every month on the %1</source>
        <translation>Chaque mois le %1</translation>
    </message>
    <message>
        <source>Every %1 months on the %2</source>
        <translation>Tous les %1 mois le %2</translation>
    </message>
    <message>
        <source>Every month on the %1 %2</source>
        <comment>on the first Monday</comment>
        <translation>Chaque mois le %1 %2</translation>
    </message>
    <message>
        <source>Every %1 months on the %2 %3</source>
        <comment>on the first Monday</comment>
        <translation>Tous les %1 mois le %2 %3</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <source>Every %1 days</source>
        <translation>Tous les %1 jours</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>Every %1 weeks</source>
        <translation>Toutes les %1 semaines</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <comment>Every week, until 12/31/2027</comment>
        <translation>%1, jusqu&apos;au %2</translation>
    </message>
    <message>
        <source>%1, once</source>
        <comment>Every week, once</comment>
        <translation>%1, une fois</translation>
    </message>
    <message>
        <source>%1, %2 times</source>
        <comment>Every week, 12 times</comment>
        <translation>%1, %2 fois</translation>
    </message>
    <message>
        <source>%1 (varies)</source>
        <comment>an amount that varies</comment>
        <translation>%1 (variable)</translation>
    </message>
    <message>
        <source>ended</source>
        <comment>a schedule with no next date</comment>
        <translation>terminée</translation>
    </message>
</context>
<context>
    <name>SchedulesWindow</name>
    <message>
        <source>Schedules</source>
        <translation>Opérations planifiées</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Next</source>
        <comment>the next date of a schedule</comment>
        <translation>Prochaine</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source> days</source>
        <comment>look ahead: 30 days</comment>
        <translation> jours</translation>
    </message>
    <message>
        <source>&amp;Look ahead:</source>
        <translation>&amp;Prévision :</translation>
    </message>
    <message>
        <source>&amp;Warn below:</source>
        <translation>A&amp;lerte sous :</translation>
    </message>
    <message>
        <source>Delete the schedule %1?</source>
        <translation>Supprimer l&apos;opération planifiée %1 ?</translation>
    </message>
    <message>
        <source>The balance to warn below must be an amount such as %1.</source>
        <translation>Le solde d&apos;alerte doit être un montant tel que %1.</translation>
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
    <name>SplitEditor</name>
    <message>
        <source>Split</source>
        <translation>Ventilation</translation>
    </message>
    <message>
        <source>&amp;Parts of %1, %2:</source>
        <translation>&amp;Parties de %1, %2 :</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>&amp;Add Part</source>
        <translation>A&amp;jouter une partie</translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation>&amp;Retirer la partie</translation>
    </message>
    <message>
        <source>Remove &amp;Split</source>
        <translation>Supprimer la &amp;ventilation</translation>
    </message>
    <message>
        <source>Left to assign: %1</source>
        <translation>Reste à répartir : %1</translation>
    </message>
    <message>
        <source>Left to assign: ?</source>
        <translation>Reste à répartir : ?</translation>
    </message>
    <message>
        <source>A split needs at least two parts: add a part.</source>
        <translation>Une ventilation demande au moins deux parties : ajoutez une partie.</translation>
    </message>
    <message>
        <source>Part %1: &quot;%2&quot; is not a category. Type a name, or names separated by colons, such as Food:Groceries.</source>
        <translation>Partie %1 : « %2 » n&apos;est pas une catégorie. Tapez un nom, ou des noms séparés par des deux-points, comme Alimentation:Courses.</translation>
    </message>
    <message>
        <source>Part %1: &quot;%2&quot; is not an amount. Type one such as %3, with at most two decimals.</source>
        <translation>Partie %1 : « %2 » n&apos;est pas un montant. Tapez-en un comme %3, avec deux décimales au plus.</translation>
    </message>
    <message>
        <source>%1 is left to assign: the parts must add up to %2. Change a part&apos;s amount, or add a part.</source>
        <translation>Il reste %1 à répartir : les parties doivent totaliser %2. Modifiez le montant d&apos;une partie, ou ajoutez une partie.</translation>
    </message>
</context>
<context>
    <name>SpoiledFormsDialog</name>
    <message>
        <source>Checks Not Printed</source>
        <translation>Chèques non imprimés</translation>
    </message>
    <message>
        <source>Tick each form that did not print correctly. The first of them and every check after it wait to be printed again, on new forms.</source>
        <translation>Cochez chaque formulaire qui ne s&apos;est pas imprimé correctement. Le premier d&apos;entre eux et chaque chèque qui le suit attendent d&apos;être réimprimés, sur de nouveaux formulaires.</translation>
    </message>
    <message>
        <source>Check %1: %2, %3</source>
        <translation>Chèque %1 : %2, %3</translation>
    </message>
    <message>
        <source>Record the ticked forms as voided checks</source>
        <translation>Enregistrer les formulaires cochés comme chèques annulés</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB: no statement is that large</source>
        <translation>%1 dépasse %2 Mio : aucun relevé n&apos;est aussi volumineux</translation>
    </message>
    <message>
        <source>no column mapping is known for a statement with %1</source>
        <translation>aucune correspondance de colonnes n&apos;est connue pour un relevé avec %1</translation>
    </message>
    <message>
        <source>no column mapping is known for the header line: %1</source>
        <translation>aucune correspondance de colonnes n&apos;est connue pour la ligne d&apos;en-tête : %1</translation>
    </message>
</context>
<context>
    <name>StatementDialog</name>
    <message>
        <source>Balance to Statement</source>
        <translation>Rapprocher avec le relevé</translation>
    </message>
    <message>
        <source>Statement &amp;date:</source>
        <translation>&amp;Date du relevé :</translation>
    </message>
    <message>
        <source>Ending &amp;balance:</source>
        <translation>Solde &amp;final :</translation>
    </message>
</context>
<context>
    <name>StatementReading</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>more transactions than a ledger holds (%1)</source>
        <translation>plus d&apos;opérations qu&apos;un registre ne peut en contenir (%1)</translation>
    </message>
    <message>
        <source>an amount the ledger cannot keep to the cent: %1</source>
        <translation>un montant que le registre ne peut pas conserver au centime près : %1</translation>
    </message>
    <message>
        <source>The statement holds only investment transactions (%1): a check register does not keep them.</source>
        <translation>Le relevé ne contient que des opérations de placement (%1) : un registre de chèques ne les conserve pas.</translation>
    </message>
    <message>
        <source>1 investment transaction is not kept in a check register.</source>
        <translation>1 opération de placement n&apos;est pas conservée dans un registre de chèques.</translation>
    </message>
    <message>
        <source>%1 investment transactions are not kept in a check register.</source>
        <translation>%1 opérations de placement ne sont pas conservées dans un registre de chèques.</translation>
    </message>
    <message>
        <source>Categories longer than %1 characters were cut, the first on line %2.</source>
        <translation>Les catégories de plus de %1 caractères ont été coupées, la première à la ligne %2.</translation>
    </message>
    <message>
        <source>Line %1: split left out (%2); the transaction is added without it.</source>
        <translation>Ligne %1 : ventilation ignorée (%2) ; l’opération est ajoutée sans elle.</translation>
    </message>
    <message>
        <source>the parts add up to %1, not %2</source>
        <translation>les parties totalisent %1, et non %2</translation>
    </message>
</context>
<context>
    <name>TallixCli</name>
    <message>
        <source>Reads a Tallix data file (.tlx); only import changes it. print shows the cleared marks in column C:
c cleared, R reconciled.
</source>
        <translation>Lit un fichier de données Tallix (.tlx) ; seul import le modifie. print affiche les pointages
dans la colonne C : c pointé, R rapproché.
</translation>
    </message>
    <message>
        <source>  print    the register as the register window shows it: sorted by date, with running balances;
           with --pdf, as pages in the PDF file OUT (- for standard output), as the program prints it
</source>
        <translation>  print    le registre tel que la fenêtre du registre l&apos;affiche : trié par date, avec le solde
           courant ; avec --pdf, sous forme de pages dans le fichier PDF OUT (- pour la sortie
           standard), tel que le programme l&apos;imprime
</translation>
    </message>
    <message>
        <source>  check    validate the file against the format; exit status 0 when sound, 1 when not; also notes
           unsaved changes that a crashed window left for recovery
</source>
        <translation>  check    vérifie le fichier par rapport au format ; code de sortie 0 s&apos;il est valide, 1 sinon ;
           signale aussi les modifications non enregistrées qu&apos;une fenêtre plantée a laissées pour
           récupération
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
        <translation>  import   ajoute un relevé bancaire (OFX, QFX, QIF ou CSV) au registre : une ligne par opération
           indique si elle est ajoutée et sous quel type, ignorée comme doublon de quelle écriture,
           ou refusée et pourquoi ; puis le registre est enregistré, sauf avec --dry-run. Le format
           est déduit de l&apos;extension du fichier ou de son contenu, à moins que --format ne le
           précise. Un relevé de plusieurs comptes est refusé avec leur liste ; --account ID importe
           celui qui porte cet identifiant. Code de sortie 3 si des lignes ont été refusées (les
           autres sont ajoutées). Un registre ouvert dans la fenêtre (ou dans une autre importation)
           est refusé avec le code de sortie 1.
</translation>
    </message>
    <message>
        <source>  balance  the balance at the end of day D (ISO 2024-01-31 or the locale&apos;s short date)
</source>
        <translation>  balance  le solde à la fin du jour D (ISO 2024-01-31 ou la date courte des paramètres régionaux)
</translation>
    </message>
    <message>
        <source>  reconcile  a bank statement&apos;s ending balance B on day D against the cleared balance (reconciled
           and cleared transactions), with the difference and the outstanding transactions; changes
           nothing. Exit status 0 when they agree, 3 when they do not
</source>
        <translation>  reconcile  le solde final B d&apos;un relevé bancaire au jour D comparé au solde pointé (opérations
           rapprochées et pointées), avec l&apos;écart et les opérations en attente ; ne modifie rien.
           Code de sortie 0 s&apos;ils concordent, 3 sinon
</translation>
    </message>
    <message>
        <source>  forecast the scheduled transactions due from today up to N days ahead (by default as set in the
           program), overdue ones marked due, with the running balance; then today&apos;s balance and the
           lowest the balance reaches, with its date. Exit status 3 when that is below zero, or below
           the balance set to warn below
</source>
        <translation>  forecast les opérations planifiées à échéance d&apos;aujourd&apos;hui jusqu&apos;à N jours (par défaut comme
           réglé dans le programme), celles en retard marquées échues, avec le solde courant ; puis
           le solde du jour et le plus bas que le solde atteint, avec sa date. Code de sortie 3 si
           celui-ci est inférieur à zéro, ou au solde d&apos;alerte réglé
</translation>
    </message>
    <message>
        <source>  chart    the balance chart as the program draws it: the balance from the first transaction, the
           forecast of the scheduled transactions for N days (at most 3660; by default the program&apos;s
           horizon, 30 days unless changed) with its lowest point, and the money in and out of each
           month; as a PNG image or SVG drawing of 1200 x 700 pixels or a PDF page, in OUT (- for
           standard output)
</source>
        <translation>  chart    le graphique du solde tel que le programme le dessine : le solde depuis la première
           opération, la prévision des opérations planifiées sur N jours (3660 au plus ; par défaut
           l&apos;horizon du programme, 30 jours sauf modification) avec son point le plus bas, et les
           entrées et sorties de chaque mois ; en image PNG ou dessin SVG de 1200 x 700 pixels ou en
           page PDF, dans OUT (- pour la sortie standard)
</translation>
    </message>
    <message>
        <source>  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter
</translation>
    </message>
    <message>
        <source>Try &apos;tallix-cli --help&apos; for more information.</source>
        <translation>Essayez « tallix-cli --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>will not write %1: %2</source>
        <translation>%1 ne sera pas écrit : %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>more than one FILE</source>
        <translation>plus d&apos;un FILE</translation>
    </message>
    <message>
        <source>export needs a FILE</source>
        <translation>export attend un FILE</translation>
    </message>
    <message>
        <source>tallix-pdf, which draws the pages, is not installed beside tallix-cli</source>
        <translation>tallix-pdf, qui dessine les pages, n&apos;est pas installé à côté de tallix-cli</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>impossible d&apos;exécuter %1 : %2</translation>
    </message>
    <message>
        <source>chart needs exactly one FILE</source>
        <translation>chart attend exactement un FILE</translation>
    </message>
    <message>
        <source>chart needs one of --png OUT, --svg OUT or --pdf OUT</source>
        <translation>chart attend l&apos;une des options --png OUT, --svg OUT ou --pdf OUT</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1 to %1</source>
        <translation>--days attend un nombre de jours de 1 à %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>%1 needs exactly one FILE</source>
        <translation>%1 attend exactement un FILE</translation>
    </message>
    <message>
        <source>cannot write the register to standard output</source>
        <translation>impossible d&apos;écrire le registre sur la sortie standard</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossible d&apos;écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>  checks   checks printed on check stock, as pages in the PDF file OUT (- for standard output): the
           checks waiting to print (--waiting, the default) or those numbered FIRST to LAST. --format
           names the stock (by default laser-three, three checks per page; a format file that cannot be
           read is named and skipped); --offset moves every field X inches right and Y inches down
           (negative: left and up; at most 1 inch; by default as set in the program for that stock)
</source>
        <translation>  checks   les chèques imprimés sur formules de chèques, en pages dans le fichier PDF OUT (- pour la
           sortie standard) : les chèques en attente d&apos;impression (--waiting, par défaut) ou ceux
           numérotés de FIRST à LAST. --format nomme les formules (par défaut laser-three, trois
           chèques par page ; un fichier de format illisible est nommé et ignoré) ; --offset décale
           chaque champ de X pouces vers la droite et de Y pouces vers le bas (négatif : à gauche et
           vers le haut ; 1 pouce au plus ; par défaut comme réglé dans le programme pour ces formules)
</translation>
    </message>
    <message>
        <source>checks needs exactly one LEDGER</source>
        <translation>checks demande exactement un LEDGER</translation>
    </message>
    <message>
        <source>checks needs --pdf OUT</source>
        <translation>checks demande --pdf OUT</translation>
    </message>
    <message>
        <source>give either --numbers or --waiting</source>
        <translation>indiquez soit --numbers, soit --waiting</translation>
    </message>
    <message>
        <source>--numbers takes two check numbers from 1 to %1 as FIRST-LAST, the first not above the last (for example 1101-1103)</source>
        <translation>--numbers attend deux numéros de chèque de 1 à %1 sous la forme FIRST-LAST, le premier ne dépassant pas le dernier (par exemple 1101-1103)</translation>
    </message>
    <message>
        <source>--offset takes inches right and down from -1 to 1 as X,Y (for example 0.05,-0.10)</source>
        <translation>--offset attend des pouces vers la droite et vers le bas de -1 à 1 sous la forme X,Y (par exemple 0.05,-0.10)</translation>
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
        <translation>Usage : tallix-cli print FILE [--pdf OUT]
  ou :  tallix-cli export FILE --format csv|qif|ledger [-o OUT]
  ou :  tallix-cli check FILE
  ou :  tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]
                          [colonnes CSV]
  ou :  tallix-cli balance LEDGER --date D
  ou :  tallix-cli reconcile LEDGER --date D --balance B
  ou :  tallix-cli forecast LEDGER [--days N]
  ou :  tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]
  ou :  tallix-cli chart FILE --png OUT|--svg OUT|--pdf OUT [--days N]
  ou :  tallix-cli checks LEDGER --pdf OUT [--format NAME] [--numbers FIRST-LAST | --waiting]
                          [--offset X,Y]
</translation>
    </message>
    <message>
        <source>  export   the transactions with their categories and splits as CSV (RFC 4180), QIF, or a journal
           that hledger and ledger-cli read (categories as Expenses: and Income: accounts), to OUT or
           standard output
</source>
        <translation>  export   les opérations avec leurs catégories et ventilations en CSV (RFC 4180), QIF ou en
           journal lisible par hledger et ledger-cli (catégories en comptes Expenses: et Income:),
           dans OUT ou sur la sortie standard
</translation>
    </message>
    <message>
        <source>  report   where the money went, beside the period before of the same length: spending and income
           by category with subtotals and shares, income and spending month by month, or spending by
           payee; this year unless --from or --to (dates as for balance) replace its first or last day;
           with --csv, as CSV for other programs (plain amounts, no totals)
</source>
        <translation>  report   où est allé l&apos;argent, à côté de la période précédente de même durée : dépenses et revenus
           par catégorie avec sous-totaux et parts, revenus et dépenses mois par mois, ou dépenses par
           bénéficiaire ; cette année, sauf si --from ou --to (dates comme pour balance) en remplacent
           le premier ou le dernier jour ; avec --csv, en CSV pour d&apos;autres programmes (montants
           simples, sans totaux)
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
        <translation>Colonnes CSV (numérotées à partir de 1 ; mémorisées après une importation pour les relevés
de même ligne d&apos;en-tête) :
  --date-col N --date-order mdy|dmy|ymd --amount-col N | --debit-col N --credit-col N
  --payee-col N[,M] --check-col N --type-col N --decimal .|, (sans --decimal, les montants le disent)
  --direction-col N (mots comme D/C, DR/CR, Af/Bij qui donnent le signe des montants) --status-col N
  (les lignes en attente sont ignorées) --header yes|no (si la première ligne nomme les colonnes ;
  sans cette option, une première ligne qui se lit comme une opération en est une)
  --category-col N (la catégorie avec laquelle chaque ligne est ajoutée) --split-col N (les parts
  d&apos;une ventilation, comme `export --format csv` les écrit)
</translation>
    </message>
    <message>
        <source>export needs --format csv, --format qif or --format ledger</source>
        <translation>export attend --format csv, --format qif ou --format ledger</translation>
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
    <name>TallixPdf</name>
    <message>
        <source>Balance Chart: %1</source>
        <translation>Graphique du solde : %1</translation>
    </message>
    <message>
        <source>Check Register: %1</source>
        <translation>Registre des chèques : %1</translation>
    </message>
    <message>
        <source>cannot draw the chart</source>
        <translation>impossible de dessiner le graphique</translation>
    </message>
    <message>
        <source>cannot lay out the register&apos;s pages</source>
        <translation>impossible de mettre en page le registre</translation>
    </message>
    <message>
        <source>skipped the check stock format %1: %2</source>
        <translation>format de chèque %1 ignoré : %2</translation>
    </message>
    <message>
        <source>there is no check stock format named %1; the formats are: %2</source>
        <translation>aucun format de chèque ne s&apos;appelle %1 ; les formats sont : %2</translation>
    </message>
    <message>
        <source>no checks are waiting to print</source>
        <translation>aucun chèque n&apos;attend d&apos;être imprimé</translation>
    </message>
    <message>
        <source>there are no checks numbered %1 to %2</source>
        <translation>aucun chèque ne porte un numéro de %1 à %2</translation>
    </message>
    <message>
        <source>cannot draw the checks</source>
        <translation>impossible de dessiner les chèques</translation>
    </message>
    <message>
        <source>Usage: tallix-pdf FILE | tallix-pdf chart png|svg|pdf DAYS FILE | tallix-pdf checks FORMAT waiting|FIRST-LAST RIGHT,DOWN FILE (used by tallix-cli print, chart and checks)</source>
        <translation>Usage : tallix-pdf FILE | tallix-pdf chart png|svg|pdf DAYS FILE | tallix-pdf checks FORMAT waiting|FIRST-LAST RIGHT,DOWN FILE (utilisé par tallix-cli print, chart et checks)</translation>
    </message>
</context>
<context>
    <name>TransactionType</name>
    <message>
        <source>Check</source>
        <translation>Chèque</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Retrait</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
</context>
<context>
    <name>UpcomingModel</name>
    <message>
        <source>The amount varies: this is the one expected.</source>
        <translation>Le montant varie : voici celui qui est attendu.</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>À échéance</translation>
    </message>
</context>
<context>
    <name>WindowImport</name>
    <message>
        <source>%1 cannot be imported.</source>
        <translation>Impossible d&apos;importer %1.</translation>
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
    <message>
        <source>Address...</source>
        <translation>Adresse...</translation>
    </message>
    <message>
        <source>Print later</source>
        <translation>Imprimer plus tard</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Print C&amp;hecks...</source>
        <translation>Imprimer les c&amp;hèques...</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>Ca&amp;tégorie :</translation>
    </message>
    <message>
        <source>Check category</source>
        <translation>Catégorie du chèque</translation>
    </message>
    <message>
        <source>Ca&amp;tegory:</source>
        <translation>Caté&amp;gorie :</translation>
    </message>
    <message>
        <source>Transaction category</source>
        <translation>Catégorie de l&apos;opération</translation>
    </message>
    <message>
        <source>&amp;Reports...</source>
        <translation>&amp;Rapports...</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>&amp;Catégories...</translation>
    </message>
    <message>
        <source>The category is %1 characters long; a category may have at most %2, its colons included. Shorten it, then click Add again.</source>
        <translation>La catégorie compte %1 caractères ; une catégorie en compte au plus %2, deux-points compris. Raccourcissez-la, puis cliquez de nouveau sur Ajouter.</translation>
    </message>
    <message>
        <source>No category</source>
        <translation>Sans catégorie</translation>
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
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Search wrapped</source>
        <translation>Recherche reprise au début</translation>
    </message>
    <message>
        <source>Check Register</source>
        <translation>Registre de chèques</translation>
    </message>
    <message>
        <source>Starting Balance:</source>
        <translation>Solde initial :</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Unlock records</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Lock records</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>%1 (Read-Only)</source>
        <comment>a window&apos;s title</comment>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message>
        <source>&amp;Edit	Enter</source>
        <translation>&amp;Modifier	Entrée</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared	Space</source>
        <translation>Marquer comme &amp;pointé	Espace</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Supprimer	Suppr</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Rechercher...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>R&amp;edo	Ctrl+Y</source>
        <translation>Ré&amp;tablir	Ctrl+Y</translation>
    </message>
    <message>
        <source>Un&amp;lock records</source>
        <translation>&amp;Déverrouiller les opérations</translation>
    </message>
    <message>
        <source>&amp;Lock records up to here</source>
        <translation>&amp;Verrouiller jusqu&apos;ici</translation>
    </message>
    <message>
        <source>&amp;Repeat...</source>
        <translation>Pla&amp;nifier...</translation>
    </message>
    <message>
        <source>the row of %1 for %2</source>
        <comment>the row of 1/5/2009 for 30.00</comment>
        <translation>l&apos;opération du %1 de %2</translation>
    </message>
    <message>
        <source>Clearing %1 would balance it.</source>
        <comment>%1: the row of 1/5/2009 for 30.00</comment>
        <translation>Pointer %1 équilibrerait le solde.</translation>
    </message>
    <message>
        <source>Clearing %1 and %2 would balance it.</source>
        <comment>%1, %2: the row of 1/5/2009 for 30.00</comment>
        <translation>Pointer %1 et %2 équilibrerait le solde.</translation>
    </message>
    <message>
        <source>A difference divisible by 9 can be two digits swapped in an amount.</source>
        <translation>Une différence divisible par 9 peut venir de deux chiffres inversés dans un montant.</translation>
    </message>
    <message>
        <source>Cleared balance on %1: %2    Statement: %3    Difference: %4</source>
        <translation>Solde pointé au %1 : %2    Relevé : %3    Différence : %4</translation>
    </message>
    <message>
        <source>Outstanding: %1 out (%2), %3 in (%4)</source>
        <comment>counts and totals of outstanding rows</comment>
        <translation>En attente : %1 sorties (%2), %3 entrées (%4)</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Saisir</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Upcoming scheduled transactions</source>
        <translation>Opérations planifiées à venir</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Aujourd&apos;hui, %1</translation>
    </message>
    <message>
        <source>The register is full: no more transactions can be added.</source>
        <translation>Le registre est plein : aucune autre opération ne peut être ajoutée.</translation>
    </message>
    <message>
        <source>&amp;Address...</source>
        <translation>Adr&amp;esse...</translation>
    </message>
    <message>
        <source>&amp;Void</source>
        <translation>Annuler le &amp;chèque</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>&amp;Tout afficher</translation>
    </message>
    <message>
        <source>1 transaction: %1</source>
        <translation>1 opération : %1</translation>
    </message>
    <message>
        <source>%1 transactions: %2</source>
        <translation>%1 opérations : %2</translation>
    </message>
    <message>
        <source>&amp;Split...</source>
        <translation>Venti&amp;ler...</translation>
    </message>
</context>
</TS>
