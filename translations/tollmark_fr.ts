<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>BackupVersions</name>
    <message>
        <source>Too many versions of %1 in one second.</source>
        <translation>Trop de versions de %1 en une seconde.</translation>
    </message>
    <message>
        <source>The version of %1 that this save replaces could not be kept as a backup:
%2
Save all the same?</source>
        <translation>La version de %1 que cet enregistrement remplace n’a pas pu être conservée comme copie de sécurité&#xa0;:
%2
Enregistrer quand même?</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tollmark</source>
        <translation>À propos de Tollmark</translation>
    </message>
    <message>
        <source>Tollmark: quarterly IFTA fuel-tax returns</source>
        <translation>Tollmark&#xa0;: déclarations trimestrielles de la taxe sur les carburants (IFTA)</translation>
    </message>
    <message>
        <source>Copyright © 2026 Varnotec and the Tollmark developers.
Tollmark is free software under the GNU General Public License, version 3 or (at your option) any later version; it comes with no warranty.</source>
        <translation>Copyright © 2026 Varnotec et les développeurs de Tollmark.
Tollmark est un logiciel libre distribué selon la Licence publique générale GNU, version 3 ou (à votre choix) toute version ultérieure; il n’est accompagné d’aucune garantie.</translation>
    </message>
    <message>
        <source>Version %1 (Build %2)</source>
        <translation>Version %1 (build %2)</translation>
    </message>
    <message>
        <source>FileVersion: %1<byte value="xd"/>
ProductVersion: %2<byte value="xd"/>
</source>
        <translation>Version du fichier&#xa0;: %1<byte value="xd"/>
Version du produit&#xa0;: %2<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>CCompanyDlg</name>
    <message>
        <source>Company Setup</source>
        <translation>Renseignements sur l’entreprise</translation>
    </message>
    <message>
        <source>Use Odometer</source>
        <translation>Utiliser l’odomètre</translation>
    </message>
    <message>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Essence</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Nom de l’entreprise&#xa0;:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville&#xa0;:</translation>
    </message>
    <message>
        <source>Province/State:</source>
        <translation>Province/État&#xa0;:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Postal Code/Zip:</source>
        <translation>Code postal/ZIP&#xa0;:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Téléphone&#xa0;:</translation>
    </message>
    <message>
        <source>IFTA Number:</source>
        <translation>Numéro IFTA&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Odometer:</source>
        <translation>Odomètre&#xa0;:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du&#xa0;:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au&#xa0;:</translation>
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
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Add Profile</source>
        <translation>Ajouter le profil</translation>
    </message>
    <message>
        <source>Go to profiles</source>
        <translation>Aller aux profils</translation>
    </message>
    <message>
        <source>Profile saved</source>
        <translation>Profil enregistré</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Le profil n’a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>CDownloadDlg</name>
    <message>
        <source>Download Tax Rates</source>
        <translation>Télécharger les taux de taxe</translation>
    </message>
    <message>
        <source>Quarter:</source>
        <translation>Trimestre&#xa0;:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Progression&#xa0;:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>%1 has a separate surcharge. Add the surcharge line too?</source>
        <translation>%1 a une surtaxe distincte. Ajouter aussi la ligne de surtaxe?</translation>
    </message>
    <message>
        <source>No jurisdiction of the tax-rate table is called &quot;%1&quot;.</source>
        <translation>Aucune administration de la table des taux ne s’appelle «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CEntryDlg</name>
    <message>
        <source>Add Item %1</source>
        <translation>Ajouter l’élément %1</translation>
    </message>
    <message>
        <source>Modify Item %1</source>
        <translation>Modifier l’élément %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Prince Edward Island</source>
        <translation>Île-du-Prince-Édouard</translation>
    </message>
    <message>
        <source>KM</source>
        <translation>KM</translation>
    </message>
    <message>
        <source>MIL</source>
        <translation>MI</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>GAL</source>
        <translation>GAL</translation>
    </message>
    <message>
        <source>Use odometer</source>
        <translation>Utiliser l’odomètre</translation>
    </message>
    <message>
        <source>The truck&apos;s unit number (no commas)</source>
        <translation>Le numéro d’unité du camion (sans virgule)</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>State abbrev.:</source>
        <translation>Abrév. prov./État&#xa0;:</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unité&#xa0;:</translation>
    </message>
    <message>
        <source>Distance (Km)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <source>Odometer in: </source>
        <translation>Odomètre départ&#xa0;: </translation>
    </message>
    <message>
        <source>Odometer out:</source>
        <translation>Odomètre arrivée&#xa0;:</translation>
    </message>
    <message>
        <source>Fuel (L)</source>
        <translation>Carburant (L)</translation>
    </message>
    <message>
        <source>Distance (Mil)</source>
        <translation>Distance (mi)</translation>
    </message>
    <message>
        <source>Fuel (Gal)</source>
        <translation>Carburant (gal)</translation>
    </message>
</context>
<context>
    <name>CFilingDateDlg</name>
    <message>
        <source>Filing Date</source>
        <translation>Date de production</translation>
    </message>
    <message>
        <source>Computed</source>
        <translation>Calculée</translation>
    </message>
    <message>
        <source>The quarter&apos;s own due date, moved off the weekend</source>
        <translation>La date d’échéance du trimestre, reportée hors de la fin de semaine</translation>
    </message>
    <message>
        <source>Set by hand:</source>
        <translation>Fixée à la main&#xa0;:</translation>
    </message>
    <message>
        <source>50.00 or 10% of the net tax</source>
        <translation>50,00 ou 10&#xa0;% de la taxe nette</translation>
    </message>
    <message>
        <source>Filing date:</source>
        <translation>Date de production&#xa0;:</translation>
    </message>
    <message>
        <source>Due date:</source>
        <translation>Date d’échéance&#xa0;:</translation>
    </message>
    <message>
        <source>Penalty:</source>
        <translation>Pénalité&#xa0;:</translation>
    </message>
    <message>
        <source>%1: type the monthly factor for %2 to %3 (0.007500 is 9% a year)</source>
        <translation>%1&#xa0;: tapez le facteur mensuel du %2 au %3 (0,007500 correspond à 9&#xa0;% par année)</translation>
    </message>
    <message>
        <source>Left empty: no interest is computed</source>
        <translation>Laissé vide&#xa0;: aucun intérêt n’est calculé</translation>
    </message>
    <message>
        <source>Interest factor:</source>
        <translation>Facteur d’intérêts&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CFilingSession</name>
    <message>
        <source>The record file has no valid quarter: set its tax period</source>
        <translation>Le relevé n’a pas de trimestre valide&#xa0;: fixez sa période de taxation</translation>
    </message>
    <message>
        <source>No interest factor for %1 %2</source>
        <translation>Aucun facteur d’intérêts pour %1 %2</translation>
    </message>
    <message>
        <source>No folder for your own interest-rate table: name one in Options</source>
        <translation>Aucun dossier pour votre table des taux d’intérêt&#xa0;: indiquez-en un dans Options</translation>
    </message>
    <message>
        <source>No interest-rate table: name one in Options</source>
        <translation>Aucune table des taux d’intérêt&#xa0;: indiquez-en une dans Options</translation>
    </message>
    <message>
        <source>Late: %1 month</source>
        <translation>En retard&#xa0;: %1 mois</translation>
    </message>
    <message>
        <source>Late: %1 months</source>
        <translation>En retard&#xa0;: %1 mois</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>Échéance le %1</translation>
    </message>
</context>
<context>
    <name>CFixedLenRecDoc</name>
    <message>
        <source>The file %1 is in use by another program.</source>
        <translation>Le fichier %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Le fichier %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Le fichier %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The file %1 is not a file of this program.</source>
        <translation>Le fichier %1 n’est pas un fichier de ce programme.</translation>
    </message>
    <message>
        <source>The file %1 cannot be created: %2.</source>
        <translation>Le fichier %1 ne peut pas être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 already exists and is not replaced.</source>
        <translation>Le fichier %1 existe déjà et n’est pas remplacé.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Le fichier %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>Le fichier ne peut pas être écrit&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file is not open.</source>
        <translation>Le fichier n’est pas ouvert.</translation>
    </message>
    <message>
        <source>The file cannot be written.</source>
        <translation>Le fichier ne peut pas être écrit.</translation>
    </message>
</context>
<context>
    <name>CHeadingMapBox</name>
    <message>
        <source>Columns by heading</source>
        <translation>Colonnes selon l’en-tête</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Jurisdiction</source>
        <translation>Administration</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Odometer in</source>
        <translation>Odomètre départ</translation>
    </message>
    <message>
        <source>Odometer out</source>
        <translation>Odomètre arrivée</translation>
    </message>
    <message>
        <source>Product code</source>
        <translation>Code de produit</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Tollmark Help</source>
        <translation>Aide de Tollmark</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import Fields Selection</source>
        <translation>Choix des champs à importer</translation>
    </message>
    <message>
        <source>Select import file</source>
        <translation>Choisir le fichier à importer</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Trip date</source>
        <translation>Date du trajet</translation>
    </message>
    <message>
        <source>State abbreviation</source>
        <translation>Abréviation prov./État</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Litre</source>
        <translation>Litre</translation>
    </message>
    <message>
        <source>GAL</source>
        <translation>GAL</translation>
    </message>
    <message>
        <source>Odometer IN</source>
        <translation>Odomètre départ</translation>
    </message>
    <message>
        <source>Odometer OUT</source>
        <translation>Odomètre arrivée</translation>
    </message>
    <message>
        <source>By the fields below, in file order</source>
        <translation>Selon les champs ci-dessous, dans l’ordre du fichier</translation>
    </message>
    <message>
        <source>By the file&apos;s heading (column names)</source>
        <translation>Selon l’en-tête du fichier (noms des colonnes)</translation>
    </message>
    <message>
        <source>Fleet export</source>
        <translation>Exportation de parc</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Fields, in file order</source>
        <translation>Champs, dans l’ordre du fichier</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; maps the columns otherwise. Replace its mapping?</source>
        <translation>Le préréglage «&#xa0;%1&#xa0;» associe les colonnes autrement. Remplacer son association?</translation>
    </message>
</context>
<context>
    <name>CInfoDlgBar</name>
    <message>
        <source>%1Q%2 for %3</source>
        <translation>T%2 %1 (%3)</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barre d’information</translation>
    </message>
    <message>
        <source>Record Info:</source>
        <translation>Relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Loaded Tax rates:</source>
        <translation>Taux chargés&#xa0;:</translation>
    </message>
    <message>
        <source>Filing:</source>
        <translation>Production&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled - IFTA</source>
        <translation>Sans titre - IFTA</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>T&amp;ax Rates</source>
        <translation>&amp;Taux de taxe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Recent &amp;File</source>
        <translation>Fic&amp;hier récent</translation>
    </message>
    <message>
        <source>There is not enough memory to finish this command; it was stopped.</source>
        <translation>La mémoire manque pour terminer cette commande&#xa0;: elle a été interrompue.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>No tax rates loaded</source>
        <translation>Aucun taux de taxe chargé</translation>
    </message>
    <message>
        <source>%1 - IFTA</source>
        <translation>%1 - IFTA</translation>
    </message>
</context>
<context>
    <name>CMergeDlg</name>
    <message>
        <source>Merge Files</source>
        <translation>Fusionner des fichiers</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Tax Period</source>
        <translation>Période de taxation</translation>
    </message>
    <message>
        <source>Use file names as unit numbers</source>
        <translation>Utiliser les noms de fichier comme numéros d’unité</translation>
    </message>
    <message>
        <source>Lines without a unit number take the name of their file (T-104.irc gives T-104)</source>
        <translation>Les lignes sans numéro d’unité prennent le nom de leur fichier (T-104.irc donne T-104)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
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
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 est déjà dans la liste.</translation>
    </message>
</context>
<context>
    <name>CNewTripRow</name>
    <message>
        <source>The truck&apos;s unit number (no commas)</source>
        <translation>Le numéro d’unité du camion (sans virgule)</translation>
    </message>
    <message>
        <source>The date of the trip, YYYY/MM/DD</source>
        <translation>La date du trajet, AAAA/MM/JJ</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>AAAA/MM/JJ</translation>
    </message>
    <message>
        <source>Abbreviation or first letters of the name</source>
        <translation>Abréviation ou premières lettres du nom</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Province/État</translation>
    </message>
    <message>
        <source>The distance; K or M switches kilometres and miles</source>
        <translation>La distance; K ou M passe des kilomètres aux milles</translation>
    </message>
    <message>
        <source>Odometer in</source>
        <translation>Odomètre départ</translation>
    </message>
    <message>
        <source>Odometer out</source>
        <translation>Odomètre arrivée</translation>
    </message>
    <message>
        <source>The fuel; L or G switches litres and US gallons</source>
        <translation>Le carburant; L ou G passe des litres aux gallons US</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Gal</source>
        <translation>gal</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
</context>
<context>
    <name>COdometerChart</name>
    <message>
        <source>Odometer by trip</source>
        <translation>Odomètre par trajet</translation>
    </message>
    <message>
        <source>Odometer out</source>
        <translation>Odomètre arrivée</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Chevauchement</translation>
    </message>
</context>
<context>
    <name>CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>The table shipped with Tollmark</source>
        <translation>La table fournie avec Tollmark</translation>
    </message>
    <message>
        <source>&amp;Round fuel to whole gallons or litres, as filing portals do</source>
        <translation>&amp;Arrondir le carburant aux gallons ou litres entiers, comme les portails de production</translation>
    </message>
    <message>
        <source>Each save keeps the version it replaces; 0 keeps none</source>
        <translation>Chaque enregistrement garde la version qu’il remplace; 0 n’en garde aucune</translation>
    </message>
    <message>
        <source>Default Tax File:</source>
        <translation>Fichier de taux par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Default User Profiles File:</source>
        <translation>Fichier des profils d’utilisateur par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate Table:</source>
        <translation>Table des taux d’intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Earlier &amp;versions kept of each file:</source>
        <translation>&amp;Versions antérieures gardées de chaque fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutes</translation>
    </message>
    <message>
        <source>How often the unsaved changes are kept in a recovery copy; Off keeps none</source>
        <translation>Fréquence de la copie de récupération des modifications non enregistrées; Désactivée n’en garde aucune</translation>
    </message>
    <message>
        <source>Recovery &amp;copy of unsaved changes every:</source>
        <translation>&amp;Copie de récupération des modifications non enregistrées toutes les&#xa0;:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Tollmark.</source>
        <translation>Une nouvelle langue s’applique au prochain démarrage de Tollmark.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
</context>
<context>
    <name>CProfileStore</name>
    <message>
        <source>No user profiles file is open.</source>
        <translation>Aucun fichier de profils d’utilisateur n’est ouvert.</translation>
    </message>
    <message>
        <source>There is no profile at that position.</source>
        <translation>Il n’y a aucun profil à cette position.</translation>
    </message>
    <message>
        <source>The profiles file %1 is not a user profiles file.</source>
        <translation>Le fichier %1 n’est pas un fichier de profils d’utilisateur.</translation>
    </message>
</context>
<context>
    <name>CProfilesDlg</name>
    <message>
        <source>Users Profile Dialog</source>
        <translation>Profils d’utilisateur</translation>
    </message>
    <message>
        <source>Manage users profile</source>
        <translation>Gérer les profils d’utilisateur</translation>
    </message>
    <message>
        <source>Use Odometer</source>
        <translation>Utiliser l’odomètre</translation>
    </message>
    <message>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Essence</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Nom de l’entreprise&#xa0;:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville&#xa0;:</translation>
    </message>
    <message>
        <source>Province/State:</source>
        <translation>Province/État&#xa0;:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Postal Code/Zip:</source>
        <translation>Code postal/ZIP&#xa0;:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Téléphone&#xa0;:</translation>
    </message>
    <message>
        <source>IFTA Number:</source>
        <translation>Numéro IFTA&#xa0;:</translation>
    </message>
    <message>
        <source>User record number: %1</source>
        <translation>Profil d’utilisateur numéro&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CRecordSession</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1. Its rates would tax every trip in the wrong unit.

Load Tax Rates now?</source>
        <translation>%1. Ses taux taxeraient chaque trajet dans la mauvaise unité.

Charger les taux de taxe maintenant?</translation>
    </message>
    <message>
        <source>diesel</source>
        <translation>diesel</translation>
    </message>
    <message>
        <source>gasoline</source>
        <translation>essence</translation>
    </message>
    <message>
        <source>%1: the older record layout (%2) has no fuel type: the %3 rates were used and the file was written in the current layout with fuel code %4.</source>
        <translation>%1&#xa0;: l’ancienne présentation du relevé (%2) n’a pas de type de carburant&#xa0;: les taux %3 ont été utilisés et le fichier a été écrit dans la présentation actuelle avec le code de carburant %4.</translation>
    </message>
    <message>
        <source>%1 is in the older record layout (%2), which has no fuel type: the record is taken as %3 (fuel code %4), and a save writes it in the current layout.</source>
        <translation>%1 est dans l’ancienne présentation du relevé (%2), qui n’a pas de type de carburant&#xa0;: le relevé est traité comme %3 (code de carburant %4), et un enregistrement l’écrit dans la présentation actuelle.</translation>
    </message>
    <message>
        <source>%1Q%2</source>
        <translation>T%1 %2</translation>
    </message>
    <message>
        <source>The dates are in %1; the record is %2. Change the record to %1?</source>
        <translation>Les dates sont au %1; le relevé est au %2. Passer le relevé au %1?</translation>
    </message>
    <message>
        <source>The record has not been saved yet: no earlier versions are kept.</source>
        <translation>Le relevé n’a pas encore été enregistré&#xa0;: aucune version antérieure n’est gardée.</translation>
    </message>
    <message>
        <source>%1
Load one with File, Load Tax Rates, or download the quarter&apos;s rates with Tax Rates, Download.</source>
        <translation>%1
Chargez-en une avec Fichier, Charger les taux de taxe, ou téléchargez les taux du trimestre avec Taux de taxe, Télécharger.</translation>
    </message>
    <message>
        <source>%1

Tollmark comes with a sample table:
%2

Load it and keep it as the default tax-rate file?</source>
        <translation>%1

Tollmark est fourni avec une table d’exemple&#xa0;:
%2

La charger et la garder comme fichier de taux par défaut?</translation>
    </message>
</context>
<context>
    <name>CRecoverySession</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>the tax-rate table</source>
        <translation>la table des taux de taxe</translation>
    </message>
    <message>
        <source>Tollmark did not close normally. Recover the changes to %1 from %2?</source>
        <translation>Tollmark ne s’est pas fermé normalement. Récupérer les modifications de %1 (copie de %2)?</translation>
    </message>
</context>
<context>
    <name>CReportChart</name>
    <message>
        <source>To pay (+) / Credit (-) by jurisdiction</source>
        <translation>À payer (+) / crédit (-) par administration</translation>
    </message>
    <message>
        <source>Distance by jurisdiction</source>
        <translation>Distance par administration</translation>
    </message>
    <message>
        <source>To pay</source>
        <translation>À payer</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
</context>
<context>
    <name>CTaxInfoDlg</name>
    <message>
        <source>Tax Rates Info</source>
        <translation>Renseignements sur les taux</translation>
    </message>
    <message>
        <source>Loaded Tax Rates</source>
        <translation>Taux de taxe chargés</translation>
    </message>
    <message>
        <source>Document Tax Rates</source>
        <translation>Taux de taxe du document</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CTaxPeriodDlg</name>
    <message>
        <source>Tax Period</source>
        <translation>Période de taxation</translation>
    </message>
    <message>
        <source>Quarter:</source>
        <translation>Trimestre&#xa0;:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CTaxRateDlg</name>
    <message>
        <source>New Tax</source>
        <translation>Nouveau taux</translation>
    </message>
    <message>
        <source>Tax Rate Modify</source>
        <translation>Modifier le taux de taxe</translation>
    </message>
    <message>
        <source>SurTax</source>
        <translation>Surtaxe</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Province/État&#xa0;:</translation>
    </message>
    <message>
        <source>Abbrev.:</source>
        <translation>Abrév.&#xa0;:</translation>
    </message>
    <message>
        <source>Diesel tax:</source>
        <translation>Taux diesel&#xa0;:</translation>
    </message>
    <message>
        <source>Gas tax:</source>
        <translation>Taux essence&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CTaxSession</name>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Le fichier %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Le fichier %1 ne peut pas être écrit.</translation>
    </message>
</context>
<context>
    <name>CVersionsDlg</name>
    <message>
        <source>Restore Version</source>
        <translation>Restaurer une version</translation>
    </message>
    <message>
        <source>Versions of %1 that saves replaced. The one you choose opens as a new record; the file itself stays as it is.</source>
        <translation>Versions de %1 remplacées par des enregistrements. Celle que vous choisissez s’ouvre comme un nouveau relevé; le fichier lui-même reste tel quel.</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Remplacée</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Trajets</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Taxe</translation>
    </message>
</context>
<context>
    <name>CViewModes</name>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>A&amp;jouter</translation>
    </message>
</context>
<context>
    <name>CWindowPrompts</name>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>CYearSession</name>
    <message>
        <source>A year summary takes one to four quarter files.</source>
        <translation>Un sommaire annuel prend de un à quatre relevés trimestriels.</translation>
    </message>
</context>
<context>
    <name>ChartDownload</name>
    <message>
        <source>Not in the tax-rate table, passed over:</source>
        <translation>Absentes de la table des taux, ignorées&#xa0;:</translation>
    </message>
    <message>
        <source>Not in the chart, rates kept:</source>
        <translation>Absentes du tableau, taux gardés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ChartFetcher</name>
    <message>
        <source>HTTP 404: the server has no rate chart at that address (not found).</source>
        <translation>HTTP 404&#xa0;: le serveur n’a pas de tableau des taux à cette adresse (introuvable).</translation>
    </message>
    <message>
        <source>HTTP 403: the server refused to give the rate chart (forbidden).</source>
        <translation>HTTP 403&#xa0;: le serveur a refusé de fournir le tableau des taux (interdit).</translation>
    </message>
    <message>
        <source>HTTP %1: the server failed to answer.</source>
        <translation>HTTP %1&#xa0;: le serveur n’a pas pu répondre.</translation>
    </message>
    <message>
        <source>HTTP %1: the server refused.</source>
        <translation>HTTP %1&#xa0;: le serveur a refusé.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Le serveur a refusé la connexion.</translation>
    </message>
    <message>
        <source>The connection was reset or closed before the whole chart arrived.</source>
        <translation>La connexion a été réinitialisée ou fermée avant l’arrivée du tableau complet.</translation>
    </message>
    <message>
        <source>The server&apos;s host name was not found: check the address and the connection to the Internet.</source>
        <translation>Le nom d’hôte du serveur est introuvable&#xa0;: vérifiez l’adresse et la connexion à Internet.</translation>
    </message>
    <message>
        <source>The server did not answer in time (timed out).</source>
        <translation>Le serveur n’a pas répondu à temps (délai dépassé).</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Le téléchargement a été annulé.</translation>
    </message>
    <message>
        <source>The secure connection to the server failed.</source>
        <translation>La connexion sécurisée au serveur a échoué.</translation>
    </message>
    <message>
        <source>The network is not available.</source>
        <translation>Le réseau n’est pas disponible.</translation>
    </message>
    <message>
        <source>The proxy server could not be reached.</source>
        <translation>Le serveur mandataire est injoignable.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large for a rate chart.</source>
        <translation>La réponse du serveur était trop grande pour un tableau des taux.</translation>
    </message>
    <message>
        <source>The transfer failed.</source>
        <translation>Le transfert a échoué.</translation>
    </message>
    <message>
        <source>Connection to server fail (error: %1)
%2</source>
        <translation>Échec de la connexion au serveur (erreur&#xa0;: %1)
%2</translation>
    </message>
</context>
<context>
    <name>ChartParser</name>
    <message>
        <source>The rate of %1 on line %2 of the chart is not between 0 and 10. The chart is not read.</source>
        <translation>Le taux de %1 à la ligne %2 du tableau n’est pas entre 0 et 10. Le tableau n’est pas lu.</translation>
    </message>
</context>
<context>
    <name>CheckRules</name>
    <message>
        <source>%1Q%2</source>
        <translation>T%1 %2</translation>
    </message>
    <message>
        <source>The trip has no date</source>
        <translation>Le trajet n’a pas de date</translation>
    </message>
    <message>
        <source>The date %1 is outside the years %2 to %3</source>
        <translation>La date %1 est hors des années %2 à %3</translation>
    </message>
    <message>
        <source>The date %1 is not a real date</source>
        <translation>La date %1 n’est pas une date réelle</translation>
    </message>
    <message>
        <source>The date %1 is outside %2 (%3 to %4)</source>
        <translation>La date %1 est hors du %2 (du %3 au %4)</translation>
    </message>
    <message>
        <source>Repeats trip %1: the same date, jurisdiction, distance, fuel and odometers</source>
        <translation>Répète le trajet %1&#xa0;: même date, administration, distance, carburant et odomètres</translation>
    </message>
    <message>
        <source>The record is for %1, the loaded tax-rate table for %2</source>
        <translation>Le relevé est pour le %1, la table des taux chargée pour le %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>The company&apos;s period %1 does not lie in one quarter</source>
        <translation>La période de l’entreprise, %1, ne tombe pas dans un même trimestre</translation>
    </message>
    <message>
        <source>The company&apos;s period %1 is in %2, the record is for %3</source>
        <translation>La période de l’entreprise, %1, est au %2; le relevé est pour le %3</translation>
    </message>
    <message>
        <source>%1 %2 bought in %3 and no distance driven there</source>
        <translation>%1&#xa0;%2 achetés en %3 sans aucune distance parcourue</translation>
    </message>
    <message>
        <source>%1 %2 driven in the quarter and no fuel bought</source>
        <translation>%1&#xa0;%2 parcourus dans le trimestre sans aucun carburant acheté</translation>
    </message>
    <message>
        <source>The fleet average of %1 is outside %2 to %3</source>
        <translation>La moyenne du parc, %1, est hors de l’intervalle %2 à %3</translation>
    </message>
    <message>
        <source>The average of unit %1, %2, is outside %3 to %4</source>
        <translation>La moyenne de l’unité %1, %2, est hors de l’intervalle %3 à %4</translation>
    </message>
    <message>
        <source>An audit at %1 would add %2 to the tax due</source>
        <translation>Une vérification à %1 ajouterait %2 à la taxe due</translation>
    </message>
    <message>
        <source>%1 %2 on no trip line: trip %3 ends at %4, trip %5 starts at %6</source>
        <translation>%1&#xa0;%2 sur aucune ligne de trajet&#xa0;: le trajet %3 finit à %4, le trajet %5 commence à %6</translation>
    </message>
    <message>
        <source>%1 %2 on two trip lines: trip %3 starts at %4, before trip %5 ends at %6</source>
        <translation>%1&#xa0;%2 sur deux lignes de trajet&#xa0;: le trajet %3 commence à %4, avant la fin du trajet %5 à %6</translation>
    </message>
    <message>
        <source>Odometer out %1 is %2 %3 less than odometer in %4</source>
        <translation>L’odomètre d’arrivée %1 est inférieur de %2&#xa0;%3 à l’odomètre de départ %4</translation>
    </message>
    <message>
        <source>The check found %1 problem in this quarter. Print anyway?</source>
        <translation>La vérification a trouvé %1 problème dans ce trimestre. Imprimer quand même?</translation>
    </message>
    <message>
        <source>The check found %1 problems in this quarter. Print anyway?</source>
        <translation>La vérification a trouvé %1 problèmes dans ce trimestre. Imprimer quand même?</translation>
    </message>
    <message>
        <source>1 trip line carries %1, the loaded table %2</source>
        <translation>1 ligne de trajet porte %1, la table chargée %2</translation>
    </message>
    <message>
        <source>%1 trip lines carry a rate other than the loaded table&apos;s %2 (trip %3: %4)</source>
        <translation>%1 lignes de trajet portent un autre taux que celui de la table chargée, %2 (trajet %3&#xa0;: %4)</translation>
    </message>
    <message>
        <source>%1 on 1 line (trip %2)</source>
        <translation>%1 sur 1 ligne (trajet %2)</translation>
    </message>
    <message>
        <source>%1 on %2 lines (from trip %3)</source>
        <translation>%1 sur %2 lignes (à partir du trajet %3)</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>position %1</translation>
    </message>
    <message>
        <source>Trip lines in %1 carry %2 rates: %3; the report taxes the row at %4, its last line&apos;s</source>
        <translation>Les trajets en %1 portent %2 taux&#xa0;: %3; le rapport taxe la ligne à %4, le taux de son dernier trajet</translation>
    </message>
    <message>
        <source>%1 %2 driven in %3, %4 %2 on its %5 lines</source>
        <translation>%1&#xa0;%2 parcourus en %3, %4&#xa0;%2 sur ses lignes %5</translation>
    </message>
    <message>
        <source>1 trip line names a jurisdiction slot outside the tax-rate table (trip %1: slot %2); the report leaves them out.</source>
        <translation>1 ligne de trajet désigne une position hors de la table des taux (trajet %1&#xa0;: position %2); le rapport l’exclut.</translation>
    </message>
    <message>
        <source>%1 trip lines name a jurisdiction slot outside the tax-rate table (trip %2: slot %3); the report leaves them out.</source>
        <translation>%1 lignes de trajet désignent une position hors de la table des taux (trajet %2&#xa0;: position %3); le rapport les exclut.</translation>
    </message>
    <message>
        <source>for Canada (rates per litre)</source>
        <translation>pour le Canada (taux par litre)</translation>
    </message>
    <message>
        <source>for the US (rates per US gallon)</source>
        <translation>pour les États-Unis (taux par gallon US)</translation>
    </message>
    <message>
        <source>kilometres and litres</source>
        <translation>kilomètres et en litres</translation>
    </message>
    <message>
        <source>miles and US gallons</source>
        <translation>milles et en gallons US</translation>
    </message>
    <message>
        <source>The loaded tax-rate table is %1; the carrier&apos;s country &quot;%2&quot; reports in %3</source>
        <translation>La table des taux chargée est %1; le pays du transporteur, «&#xa0;%2&#xa0;», déclare en %3</translation>
    </message>
    <message>
        <source>%1: load the US table (File &gt; Load Tax Rates)</source>
        <translation>%1&#xa0;: chargez la table des États-Unis (Fichier &gt; Charger les taux de taxe)</translation>
    </message>
    <message>
        <source>%1: load the Canadian table (File &gt; Load Tax Rates)</source>
        <translation>%1&#xa0;: chargez la table du Canada (Fichier &gt; Charger les taux de taxe)</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Créer un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Merge Files	Ctrl+M</source>
        <translation>&amp;Fusionner des fichiers	Ctrl+M</translation>
    </message>
    <message>
        <source>Merge files
Merge</source>
        <translation>Fusionner des fichiers
Fusionner</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistrer le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>Save/&amp;Update Tax Rates</source>
        <translation>Enregistrer et &amp;mettre à jour les taux</translation>
    </message>
    <message>
        <source>Save document with the current tax rate
Save with current tax</source>
        <translation>Enregistrer le document avec les taux de taxe actuels
Enregistrer avec les taux actuels</translation>
    </message>
    <message>
        <source>Restore Version from &amp;Backups...</source>
        <translation>&amp;Restaurer une version des copies de sécurité...</translation>
    </message>
    <message>
        <source>Open a version of the record file that a save replaced
Restore Version</source>
        <translation>Ouvrir une version du relevé qu’un enregistrement a remplacée
Restaurer une version</translation>
    </message>
    <message>
        <source>Load &amp;Tax Rates</source>
        <translation>&amp;Charger les taux de taxe</translation>
    </message>
    <message>
        <source>Load the tax rates from a tax file
Load Tax Rates</source>
        <translation>Charger les taux de taxe d’un fichier de taux
Charger les taux de taxe</translation>
    </message>
    <message>
        <source>Sav&amp;e Tax Rates</source>
        <translation>Enregistrer les &amp;taux de taxe</translation>
    </message>
    <message>
        <source>Save the tax rates to a tax file
Save Tax Rates</source>
        <translation>Enregistrer les taux de taxe dans un fichier de taux
Enregistrer les taux de taxe</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher les pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Config&amp;uration de l’impression...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Changer l’imprimante et les options d’impression
Configuration de l’impression</translation>
    </message>
    <message>
        <source>&amp;Import...	Ctrl+Shift+I</source>
        <translation>Im&amp;porter...	Ctrl+Maj+I</translation>
    </message>
    <message>
        <source>Import from excel text file (csv)
Import</source>
        <translation>Importer d’un fichier texte Excel (CSV)
Importer</translation>
    </message>
    <message>
        <source>Filing &amp;Date...</source>
        <translation>&amp;Date de production...</translation>
    </message>
    <message>
        <source>Set the day the return is filed and its due date
Filing Date</source>
        <translation>Fixer le jour de production de la déclaration et sa date d’échéance
Date de production</translation>
    </message>
    <message>
        <source>Export Summar&amp;y...</source>
        <translation>E&amp;xporter le sommaire...</translation>
    </message>
    <message>
        <source>Write the return as a summary file for a filing portal
Export Summary</source>
        <translation>Écrire la déclaration dans un fichier sommaire pour un portail de production
Exporter le sommaire</translation>
    </message>
    <message>
        <source>Export Year Summary as &amp;CSV...</source>
        <translation>Exporter le sommaire annuel en CS&amp;V...</translation>
    </message>
    <message>
        <source>Write the year summary as a comma-separated file
Export Year Summary</source>
        <translation>Écrire le sommaire annuel dans un fichier à valeurs séparées par des virgules
Exporter le sommaire annuel</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+X</source>
        <translation>&amp;Quitter	Alt+X</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l’application; propose d’enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Annuler la dernière modification
Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rétablir	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Rétablir la dernière modification annulée
Rétablir</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+D</source>
        <translation>&amp;Supprimer	Ctrl+D</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>Supprimer l’élément choisi
Supprimer</translation>
    </message>
    <message>
        <source>&amp;Modify	Ctrl+E</source>
        <translation>&amp;Modifier	Ctrl+E</translation>
    </message>
    <message>
        <source>Modify the selected item
Modify</source>
        <translation>Modifier l’élément choisi
Modifier</translation>
    </message>
    <message>
        <source>&amp;Add New	Ctrl+A</source>
        <translation>A&amp;jouter	Ctrl+A</translation>
    </message>
    <message>
        <source>Add a new item
Add New</source>
        <translation>Ajouter un élément
Ajouter</translation>
    </message>
    <message>
        <source>&amp;Company Info	Ctrl+I</source>
        <translation>Renseignements sur l’&amp;entreprise	Ctrl+I</translation>
    </message>
    <message>
        <source>Edit Company Information
Company Info</source>
        <translation>Modifier les renseignements sur l’entreprise
Renseignements sur l’entreprise</translation>
    </message>
    <message>
        <source>&amp;Profiles	Ctrl+F</source>
        <translation>&amp;Profils	Ctrl+F</translation>
    </message>
    <message>
        <source>Start a new record from a user profile
Profiles</source>
        <translation>Commencer un relevé à partir d’un profil d’utilisateur
Profils</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Default tax file and user profiles file
Options</source>
        <translation>Fichier de taux par défaut et fichier des profils d’utilisateur
Options</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Modify the selected tax rate
Modify</source>
        <translation>Modifier le taux de taxe choisi
Modifier</translation>
    </message>
    <message>
        <source>Add a new tax rate
Add New</source>
        <translation>Ajouter un taux de taxe
Ajouter</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d’outils
Barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d’état
Barre d’état</translation>
    </message>
    <message>
        <source>View Dialog &amp;Bar</source>
        <translation>Barre d’&amp;information</translation>
    </message>
    <message>
        <source>Show or hide Dialog Status Bar
Toggle Dialog Status Bar</source>
        <translation>Afficher ou masquer la barre d’information
Barre d’information</translation>
    </message>
    <message>
        <source>View &amp;List	Alt+L</source>
        <translation>&amp;Liste des trajets	Alt+L</translation>
    </message>
    <message>
        <source>Show the trip entries
View List</source>
        <translation>Afficher les trajets
Liste des trajets</translation>
    </message>
    <message>
        <source>View &amp;Report	Alt+R</source>
        <translation>&amp;Rapport	Alt+R</translation>
    </message>
    <message>
        <source>Show the quarterly report
View Report</source>
        <translation>Afficher le rapport trimestriel
Rapport</translation>
    </message>
    <message>
        <source>View Tax R&amp;ates	Alt+T</source>
        <translation>Taux de ta&amp;xe	Alt+T</translation>
    </message>
    <message>
        <source>Show the tax rates
View Tax Rates</source>
        <translation>Afficher les taux de taxe
Taux de taxe</translation>
    </message>
    <message>
        <source>&amp;Check	Alt+K</source>
        <translation>&amp;Vérifier le trimestre	Alt+K</translation>
    </message>
    <message>
        <source>Check the quarter&apos;s records as an audit would
Check the Quarter</source>
        <translation>Vérifier les relevés du trimestre comme le ferait une vérification fiscale
Vérifier le trimestre</translation>
    </message>
    <message>
        <source>&amp;Vehicles	Alt+U</source>
        <translation>Véhic&amp;ules	Alt+U</translation>
    </message>
    <message>
        <source>Show each unit&apos;s trips, distance, fuel and average
View Vehicles</source>
        <translation>Afficher les trajets, la distance, le carburant et la moyenne de chaque unité
Véhicules</translation>
    </message>
    <message>
        <source>&amp;Year...	Alt+Y</source>
        <translation>&amp;Année...	Alt+Y</translation>
    </message>
    <message>
        <source>Show one to four quarters of the carrier side by side with the year&apos;s sums
View Year</source>
        <translation>Afficher côte à côte un à quatre trimestres du transporteur avec les totaux de l’année
Année</translation>
    </message>
    <message>
        <source>Odometer ON</source>
        <translation>Odomètre activé</translation>
    </message>
    <message>
        <source>Use odometer readings for new trips
Odometer ON</source>
        <translation>Utiliser les relevés d’odomètre pour les nouveaux trajets
Odomètre activé</translation>
    </message>
    <message>
        <source>Odometer OFF</source>
        <translation>Odomètre désactivé</translation>
    </message>
    <message>
        <source>Enter distances without odometer
Odometer OFF</source>
        <translation>Saisir les distances sans odomètre
Odomètre désactivé</translation>
    </message>
    <message>
        <source>View List</source>
        <translation>Liste des trajets</translation>
    </message>
    <message>
        <source>View Tax Rates</source>
        <translation>Taux de taxe</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>&amp;Download	Alt+D</source>
        <translation>&amp;Télécharger	Alt+D</translation>
    </message>
    <message>
        <source>Download tax rates
Download</source>
        <translation>Télécharger les taux de taxe
Télécharger</translation>
    </message>
    <message>
        <source>Tax Rates &amp;Info</source>
        <translation>&amp;Renseignements sur les taux</translation>
    </message>
    <message>
        <source>Loaded and document tax rates period
Tax Rates Info</source>
        <translation>Période des taux chargés et des taux du document
Renseignements sur les taux</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Rubriques d’aide	F1</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Afficher les rubriques d’aide
Rubriques d’aide</translation>
    </message>
    <message>
        <source>&amp;About IFTA...</source>
        <translation>À &amp;propos d’IFTA...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les renseignements sur le programme, sa version et ses droits d’auteur
À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Afficher l’aide de la tâche ou de la commande en cours
Aide</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Afficher l’aide des boutons, menus et fenêtres cliqués
Aide</translation>
    </message>
    <message>
        <source>Cop&amp;y Trips	Ctrl+C</source>
        <translation>&amp;Copier les trajets	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selected trip lines for a spreadsheet
Copy Trips</source>
        <translation>Copier les trajets choisis pour un tableur
Copier les trajets</translation>
    </message>
    <message>
        <source>Pas&amp;te Trips	Ctrl+V</source>
        <translation>Co&amp;ller des trajets	Ctrl+V</translation>
    </message>
    <message>
        <source>Add the trip lines of a spreadsheet on the clipboard
Paste Trips</source>
        <translation>Ajouter les trajets d’un tableur copiés dans le presse-papiers
Coller des trajets</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>No trip lines in %1.</source>
        <translation>Aucune ligne de trajet dans %1.</translation>
    </message>
    <message>
        <source>Only coma and tab separator supported. Exit.</source>
        <translation>Seuls la virgule et la tabulation sont acceptés comme séparateurs. Abandon.</translation>
    </message>
    <message>
        <source>Wrong State abbreviation field:&lt;%1&gt;.
Edit the file and try again. Exit.</source>
        <translation>Abréviation de province ou d’État erronée&#xa0;: &lt;%1&gt;.
Corrigez le fichier et réessayez. Abandon.</translation>
    </message>
    <message>
        <source>The fuel amount &lt;%1&gt; is too large.
Edit the file and try again. Exit.</source>
        <translation>La quantité de carburant &lt;%1&gt; est trop grande.
Corrigez le fichier et réessayez. Abandon.</translation>
    </message>
    <message>
        <source>The file %1 is locked.
Close the file and try again.</source>
        <translation>Le fichier %1 est verrouillé.
Fermez le fichier et réessayez.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The file %1 is a folder.</source>
        <translation>Le fichier %1 est un dossier.</translation>
    </message>
    <message>
        <source>%1 line has a distance of 0: the odometer readings run backwards or are too far apart.</source>
        <translation>%1 ligne a une distance de 0&#xa0;: les relevés d’odomètre reculent ou sont trop éloignés.</translation>
    </message>
    <message>
        <source>%1 lines have a distance of 0: the odometer readings run backwards or are too far apart.</source>
        <translation>%1 lignes ont une distance de 0&#xa0;: les relevés d’odomètre reculent ou sont trop éloignés.</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>This date is outside the quarter %1Q%2. Keep it?</source>
        <translation>Cette date est hors du trimestre T%1 %2. La garder?</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Start odometer</source>
        <translation>Odomètre de départ</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Trimestre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Odometer in</source>
        <translation>Odomètre départ</translation>
    </message>
    <message>
        <source>Odometer out</source>
        <translation>Odomètre arrivée</translation>
    </message>
    <message>
        <source>Gas tax</source>
        <translation>Taux essence</translation>
    </message>
    <message>
        <source>Diesel tax</source>
        <translation>Taux diesel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Province/État</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>IFTA tax files (*.itx)|*.itx||</source>
        <translation>Fichiers de taux IFTA (*.itx)|*.itx||</translation>
    </message>
    <message>
        <source>User profiles file (*.usr)|*.usr||</source>
        <translation>Fichier des profils d’utilisateur (*.usr)|*.usr||</translation>
    </message>
    <message>
        <source>Interest-rate tables (*.tsv)|*.tsv||</source>
        <translation>Tables des taux d’intérêt (*.tsv)|*.tsv||</translation>
    </message>
    <message>
        <source>IFTA record files (*.irc)|*.irc||</source>
        <translation>Relevés IFTA (*.irc)|*.irc||</translation>
    </message>
    <message>
        <source>Trip files (*.csv *.txt *.tsv)|*.csv;*.txt;*.tsv|All files (*)|*||</source>
        <translation>Fichiers de trajets (*.csv *.txt *.tsv)|*.csv;*.txt;*.tsv|Tous les fichiers (*)|*||</translation>
    </message>
    <message>
        <source>Summary files (*.csv)|*.csv||</source>
        <translation>Fichiers sommaires (*.csv)|*.csv||</translation>
    </message>
    <message>
        <source>Year summary files (*.csv)|*.csv||</source>
        <translation>Sommaires annuels (*.csv)|*.csv||</translation>
    </message>
</context>
<context>
    <name>HeadingImport</name>
    <message>
        <source>%1

No line of the file was imported.</source>
        <translation>%1

Aucune ligne du fichier n’a été importée.</translation>
    </message>
    <message>
        <source>%1

Nothing was imported.</source>
        <translation>%1

Rien n’a été importé.</translation>
    </message>
    <message>
        <source>%1

Keep the %2 good lines?</source>
        <translation>%1

Garder les %2 lignes valides?</translation>
    </message>
    <message>
        <source>The file %1 has no lines to import.</source>
        <translation>Le fichier %1 n’a aucune ligne à importer.</translation>
    </message>
    <message>
        <source>%1 %2 is not a reading</source>
        <translation>%1 %2 n’est pas un relevé</translation>
    </message>
    <message>
        <source>the date %1 is not a date</source>
        <translation>la date %1 n’est pas une date</translation>
    </message>
    <message>
        <source>the jurisdiction %1 is unknown</source>
        <translation>l’administration %1 est inconnue</translation>
    </message>
    <message>
        <source>the distance %1 is not a number</source>
        <translation>la distance %1 n’est pas un nombre</translation>
    </message>
    <message>
        <source>the fuel %1 is not a number</source>
        <translation>le carburant %1 n’est pas un nombre</translation>
    </message>
    <message>
        <source>the odometer</source>
        <translation>l’odomètre</translation>
    </message>
    <message>
        <source>The file has no heading line to import by.</source>
        <translation>Le fichier n’a pas de ligne d’en-tête selon laquelle importer.</translation>
    </message>
    <message>
        <source>The column mapping cannot be used: %1.</source>
        <translation>L’association des colonnes ne peut pas être utilisée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No column of the file&apos;s heading names the jurisdiction (&quot;State&quot;, &quot;Jurisdiction&quot;, &quot;Province&quot; ...).</source>
        <translation>Aucune colonne de l’en-tête du fichier ne désigne l’administration («&#xa0;State&#xa0;», «&#xa0;Jurisdiction&#xa0;», «&#xa0;Province&#xa0;»...).</translation>
    </message>
    <message>
        <source>The dates of the file read both as month/day/year and as day/month/year (no day is above 12).</source>
        <translation>Les dates du fichier se lisent autant en mois/jour/année qu’en jour/mois/année (aucun jour ne dépasse 12).</translation>
    </message>
    <message>
        <source>1 line of the file could not be read:</source>
        <translation>1 ligne du fichier n’a pas pu être lue&#xa0;:</translation>
    </message>
    <message>
        <source>%1 lines of the file could not be read:</source>
        <translation>%1 lignes du fichier n’ont pas pu être lues&#xa0;:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 autres</translation>
    </message>
    <message>
        <source>1 line was left out because its product is not motor fuel:</source>
        <translation>1 ligne a été exclue parce que son produit n’est pas un carburant&#xa0;:</translation>
    </message>
    <message>
        <source>%1 lines were left out because their product is not motor fuel:</source>
        <translation>%1 lignes ont été exclues parce que leur produit n’est pas un carburant&#xa0;:</translation>
    </message>
    <message>
        <source>1 row of the pasted text could not be read:</source>
        <translation>1 rangée du texte collé n’a pas pu être lue&#xa0;:</translation>
    </message>
    <message>
        <source>%1 rows of the pasted text could not be read:</source>
        <translation>%1 rangées du texte collé n’ont pas pu être lues&#xa0;:</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>rangée %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>HeadingMap</name>
    <message>
        <source>unknown field in the mapping: &quot;%1&quot;</source>
        <translation>champ inconnu dans la correspondance&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file has no column &quot;%1&quot;</source>
        <translation>le fichier n’a pas de colonne «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>InterestRateTable</name>
    <message>
        <source>No interest factor for %1 %2: add it to the interest-rate table</source>
        <translation>Aucun facteur d’intérêts pour %1 %2&#xa0;: ajoutez-le à la table des taux d’intérêt</translation>
    </message>
    <message>
        <source>Line %1 of the interest-rate table: %2</source>
        <translation>Ligne %1 de la table des taux d’intérêt&#xa0;: %2</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>%1 attendu</translation>
    </message>
    <message>
        <source>the base must be US or Canada</source>
        <translation>la base doit être US ou Canada</translation>
    </message>
    <message>
        <source>the days must be real dates written YYYY-MM-DD</source>
        <translation>les jours doivent être des dates réelles écrites AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>the last day comes before the first</source>
        <translation>le dernier jour précède le premier</translation>
    </message>
    <message>
        <source>the factor must be a number with at most six decimals, such as 0.007500</source>
        <translation>le facteur doit être un nombre d’au plus six décimales, par exemple 0.007500 (avec un point, comme dans le fichier)</translation>
    </message>
    <message>
        <source>the factor is above 0.100000 (10% a month), more than any monthly interest</source>
        <translation>le facteur dépasse 0.100000 (10&#xa0;% par mois), plus que tout intérêt mensuel</translation>
    </message>
    <message>
        <source>the period overlaps another %1 period</source>
        <translation>la période chevauche une autre période %1</translation>
    </message>
</context>
<context>
    <name>LateReturn</name>
    <message>
        <source>The late-return figures are too large to compute: check the trip lines&apos; fuel and the tax rates</source>
        <translation>Les montants de la déclaration en retard sont trop grands pour être calculés&#xa0;: vérifiez le carburant des trajets et les taux de taxe</translation>
    </message>
    <message>
        <source>The record file has no valid quarter: set its tax period</source>
        <translation>Le relevé n’a pas de trimestre valide&#xa0;: fixez sa période de taxation</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Trajet</translation>
    </message>
    <message>
        <source>Jurisdiction</source>
        <translation>Administration</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Province/État</translation>
    </message>
    <message>
        <source>Abbrev</source>
        <translation>Abrév.</translation>
    </message>
    <message>
        <source>Distance (Km)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <source>Distance (Mil)</source>
        <translation>Distance (mi)</translation>
    </message>
    <message>
        <source>Odometer IN</source>
        <translation>Odomètre départ</translation>
    </message>
    <message>
        <source>Odometer OUT</source>
        <translation>Odomètre arrivée</translation>
    </message>
    <message>
        <source>Fuel (L)</source>
        <translation>Carburant (L)</translation>
    </message>
    <message>
        <source>Fuel (Gal)</source>
        <translation>Carburant (gal)</translation>
    </message>
    <message>
        <source>Surtax</source>
        <translation>Surtaxe</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Diesel tax</source>
        <translation>Taux diesel</translation>
    </message>
    <message>
        <source>Gas tax</source>
        <translation>Taux essence</translation>
    </message>
    <message>
        <source>SurTax</source>
        <translation>Surtaxe</translation>
    </message>
    <message>
        <source>States</source>
        <translation>Administrations</translation>
    </message>
    <message>
        <source>Total distance(Km)</source>
        <translation>Distance totale (km)</translation>
    </message>
    <message>
        <source>Total distance(Mil)</source>
        <translation>Distance totale (mi)</translation>
    </message>
    <message>
        <source>Taxable distance(Km)</source>
        <translation>Distance imposable (km)</translation>
    </message>
    <message>
        <source>Taxable distance(Mil)</source>
        <translation>Distance imposable (mi)</translation>
    </message>
    <message>
        <source>Km/L</source>
        <translation>km/L</translation>
    </message>
    <message>
        <source>MPG</source>
        <translation>mi/gal</translation>
    </message>
    <message>
        <source>Fuel taxable</source>
        <translation>Carburant imposable</translation>
    </message>
    <message>
        <source>Fuel paid</source>
        <translation>Carburant taxe payée</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>To pay(+)/Credit(-)</source>
        <translation>À payer (+)/crédit (-)</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Trajets</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Parc</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Trimestre</translation>
    </message>
    <message>
        <source>Filing</source>
        <translation>Production</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Non valide</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Pénalité</translation>
    </message>
    <message>
        <source>Total due</source>
        <translation>Total dû</translation>
    </message>
    <message>
        <source>odometer-gap</source>
        <translation>écart d’odomètre</translation>
    </message>
    <message>
        <source>odometer-overlap</source>
        <translation>chevauchement d’odomètre</translation>
    </message>
    <message>
        <source>odometer-backwards</source>
        <translation>odomètre à rebours</translation>
    </message>
    <message>
        <source>outside-quarter</source>
        <translation>hors trimestre</translation>
    </message>
    <message>
        <source>fuel-without-distance</source>
        <translation>carburant sans distance</translation>
    </message>
    <message>
        <source>no-fuel</source>
        <translation>aucun carburant</translation>
    </message>
    <message>
        <source>average-range</source>
        <translation>moyenne hors limites</translation>
    </message>
    <message>
        <source>unit-average-range</source>
        <translation>moyenne d’unité hors limites</translation>
    </message>
    <message>
        <source>rate-differs</source>
        <translation>taux différent</translation>
    </message>
    <message>
        <source>rate-mixed</source>
        <translation>taux multiples</translation>
    </message>
    <message>
        <source>surcharge-missing</source>
        <translation>surtaxe manquante</translation>
    </message>
    <message>
        <source>duplicate-trip</source>
        <translation>trajet en double</translation>
    </message>
    <message>
        <source>period-mismatch</source>
        <translation>période discordante</translation>
    </message>
    <message>
        <source>table-country</source>
        <translation>pays de la table</translation>
    </message>
    <message>
        <source>company-dates</source>
        <translation>dates de l’entreprise</translation>
    </message>
    <message>
        <source>slot-outside-table</source>
        <translation>position hors table</translation>
    </message>
    <message>
        <source>exposure</source>
        <translation>exposition</translation>
    </message>
</context>
<context>
    <name>Listings</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>    Quarter %1</source>
        <translation>    Trimestre %1</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Trajet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Province/État</translation>
    </message>
    <message>
        <source>Abbrev</source>
        <translation>Abrév.</translation>
    </message>
    <message>
        <source>Distance (Km)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <source>Distance (Mil)</source>
        <translation>Distance (mi)</translation>
    </message>
    <message>
        <source>Fuel (L)</source>
        <translation>Carb. (L)</translation>
    </message>
    <message>
        <source>Fuel (Gal)</source>
        <translation>Carb. (gal)</translation>
    </message>
    <message>
        <source>Surtax</source>
        <translation>Surtaxe</translation>
    </message>
    <message>
        <source>Odo in</source>
        <translation>Odo dép.</translation>
    </message>
    <message>
        <source>Odo out</source>
        <translation>Odo arr.</translation>
    </message>
    <message>
        <source>IFTA Record</source>
        <translation>Relevé IFTA</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Quarter %1 for %2</source>
        <translation>Trimestre %1 pour %2</translation>
    </message>
    <message>
        <source>IFTA Tax Rates.</source>
        <translation>Taux de taxe IFTA</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Dtax</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <source>Gtax</source>
        <translation>Essence</translation>
    </message>
    <message>
        <source>IFTA Quarter Check</source>
        <translation>Vérification du trimestre IFTA</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Jurisdiction</source>
        <translation>Administration</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Average: Invalid</source>
        <translation>Moyenne&#xa0;: non valide</translation>
    </message>
    <message>
        <source>Average: %1 %2</source>
        <translation>Moyenne&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>km/L</source>
        <translation>km/L</translation>
    </message>
    <message>
        <source>MPG</source>
        <translation>mi/gal</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <translation>Unité %1</translation>
    </message>
    <message>
        <source>Unit total</source>
        <translation>Total de l’unité</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Parc</translation>
    </message>
    <message>
        <source>Vehicle Records</source>
        <translation>Relevés des véhicules</translation>
    </message>
    <message>
        <source>Odometer IN</source>
        <translation>Odo départ</translation>
    </message>
    <message>
        <source>Odometer OUT</source>
        <translation>Odo arrivée</translation>
    </message>
    <message>
        <source>    Year %1</source>
        <translation>    Année %1</translation>
    </message>
    <message>
        <source>(Km)</source>
        <translation>(km)</translation>
    </message>
    <message>
        <source>(Mil)</source>
        <translation>(mi)</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Trimestre</translation>
    </message>
    <message>
        <source>Taxable</source>
        <translation>Imposable</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>To pay(+)/</source>
        <translation>À payer (+)/</translation>
    </message>
    <message>
        <source>dist. </source>
        <translation>dist. </translation>
    </message>
    <message>
        <source>Km/L</source>
        <translation>km/L</translation>
    </message>
    <message>
        <source>taxable</source>
        <translation>imposable</translation>
    </message>
    <message>
        <source>paid</source>
        <translation>payé</translation>
    </message>
    <message>
        <source>Credit(-)</source>
        <translation>crédit (-)</translation>
    </message>
    <message>
        <source>%1 filing: %2</source>
        <translation>Production %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>IFTA Year Summary</source>
        <translation>Sommaire annuel IFTA</translation>
    </message>
</context>
<context>
    <name>MergeUnits</name>
    <message>
        <source>The name of %1 gives the unit number &quot;%2&quot; only cut to %3 characters, and trips merged before already carry it: two trucks would become one unit. Rename the file; it was not merged.</source>
        <translation>Le nom de %1 ne donne le numéro d’unité «&#xa0;%2&#xa0;» que coupé à %3 caractères, et des trajets déjà fusionnés le portent&#xa0;: deux camions deviendraient une seule unité. Renommez le fichier; il n’a pas été fusionné.</translation>
    </message>
    <message>
        <source>It is the same file as %1, whose trips were merged once.</source>
        <translation>C’est le même fichier que %1, dont les trajets ont déjà été fusionnés.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Download fail</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>Tax rates loaded. Please check for errors</source>
        <translation>Taux de taxe chargés. Veuillez vérifier s’il y a des erreurs</translation>
    </message>
    <message>
        <source>Select the file to import first</source>
        <translation>Choisissez d’abord le fichier à importer</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez entrer un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Veuillez entrer un nombre entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez entrer un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez entrer un nombre.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez entrer un nombre entier positif.</translation>
    </message>
    <message>
        <source>The period&apos;s &quot;To:&quot; date is before its &quot;From:&quot; date. Please correct the period.</source>
        <translation>La date «&#xa0;Au&#xa0;» de la période précède sa date «&#xa0;Du&#xa0;». Veuillez corriger la période.</translation>
    </message>
    <message>
        <source>The period&apos;s &quot;From:&quot; and &quot;To:&quot; dates must lie in one quarter. Please correct the period.</source>
        <translation>Les dates «&#xa0;Du&#xa0;» et «&#xa0;Au&#xa0;» de la période doivent tomber dans un même trimestre. Veuillez corriger la période.</translation>
    </message>
    <message>
        <source>The answer is not a rate chart</source>
        <translation>La réponse n’est pas un tableau des taux</translation>
    </message>
    <message>
        <source>Incompatible file format</source>
        <translation>Format de fichier incompatible</translation>
    </message>
    <message>
        <source>Wrong file format. Tax not loaded.</source>
        <translation>Mauvais format de fichier. Taux non chargés.</translation>
    </message>
    <message>
        <source>The tax-rate file has more than 72 slot lines; the lines after the 72nd are ignored.</source>
        <translation>Le fichier de taux a plus de 72 lignes d’administration; les lignes après la 72e sont ignorées.</translation>
    </message>
    <message>
        <source>The file holds more than 10000000 trip lines; it is not imported.</source>
        <translation>Le fichier contient plus de 10&#xa0;000&#xa0;000 de lignes de trajet; il n’est pas importé.</translation>
    </message>
    <message>
        <source>A year summary takes one to four quarter files.</source>
        <translation>Un sommaire annuel prend de un à quatre relevés trimestriels.</translation>
    </message>
    <message>
        <source>The year&apos;s figures are too large to be added up exactly; no summary was made.</source>
        <translation>Les montants de l’année sont trop grands pour être additionnés exactement; aucun sommaire n’a été fait.</translation>
    </message>
    <message>
        <source>Delete the selected item?</source>
        <translation>Supprimer l’élément choisi?</translation>
    </message>
    <message>
        <source>All 72 tax-rate slots are in use. No new tax rate can be added.</source>
        <translation>Les 72 positions de la table des taux sont occupées. Aucun nouveau taux ne peut être ajouté.</translation>
    </message>
    <message>
        <source>The return would print without its interest and penalty. Print anyway?</source>
        <translation>La déclaration s’imprimerait sans ses intérêts ni sa pénalité. Imprimer quand même?</translation>
    </message>
    <message>
        <source>No earlier versions of %1 are kept.</source>
        <translation>Aucune version antérieure de %1 n’est gardée.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1?</translation>
    </message>
    <message>
        <source>Do you want to update the tax rate for the saved file?

Yes: every trip takes the rate of the loaded tax-rate table and the record takes its quarter; then the file is saved.
No: the file is saved with the rates its trips carry now.</source>
        <translation>Voulez-vous mettre à jour les taux de taxe du fichier enregistré?

Oui&#xa0;: chaque trajet prend le taux de la table chargée et le relevé prend son trimestre; puis le fichier est enregistré.
Non&#xa0;: le fichier est enregistré avec les taux que ses trajets portent maintenant.</translation>
    </message>
    <message>
        <source>The tax-rate file %1 does not exist. Remember it as the default tax-rate file anyway?</source>
        <translation>Le fichier de taux %1 n’existe pas. Le retenir quand même comme fichier de taux par défaut?</translation>
    </message>
    <message>
        <source>No tax-rate file was found in the current folder or in the settings, so the tax-rate table is empty.</source>
        <translation>Aucun fichier de taux n’a été trouvé dans le dossier courant ni dans les paramètres&#xa0;: la table des taux de taxe est vide.</translation>
    </message>
    <message>
        <source>The recovery copy of the unsaved changes could not be written:
%1

Tollmark keeps trying; save your work to keep it safe.</source>
        <translation>La copie de récupération des modifications non enregistrées n’a pas pu être écrite&#xa0;:
%1

Tollmark continue d’essayer; enregistrez votre travail pour le protéger.</translation>
    </message>
    <message>
        <source>Save the modified tax?</source>
        <translation>Enregistrer les taux de taxe modifiés?</translation>
    </message>
    <message>
        <source>The dates of %1 can be read month first (MM/DD/YYYY) or day first (DD/MM/YYYY): no day in the file is above 12.

Are they month first?
Yes: MM/DD/YYYY
No: DD/MM/YYYY</source>
        <translation>Les dates de %1 peuvent se lire le mois d’abord (MM/JJ/AAAA) ou le jour d’abord (JJ/MM/AAAA)&#xa0;: aucun jour du fichier ne dépasse 12.

Le mois vient-il d’abord?
Oui&#xa0;: MM/JJ/AAAA
Non&#xa0;: JJ/MM/AAAA</translation>
    </message>
    <message>
        <source>Odometer in plus the distance passes the largest odometer reading (2147483647).</source>
        <translation>L’odomètre de départ plus la distance dépasse le plus grand relevé d’odomètre (2147483647).</translation>
    </message>
    <message>
        <source>Please choose the date of the trip.</source>
        <translation>Veuillez choisir la date du trajet.</translation>
    </message>
    <message>
        <source>Please choose a state or province from the list.</source>
        <translation>Veuillez choisir une province ou un État dans la liste.</translation>
    </message>
    <message>
        <source>Pasted trips are read by the jurisdictions of the tax-rate table. Please load a tax-rate table first.</source>
        <translation>Les trajets collés sont lus d’après les administrations de la table des taux. Veuillez d’abord charger une table des taux.</translation>
    </message>
    <message>
        <source>The pasted text holds no trip lines.</source>
        <translation>Le texte collé ne contient aucun trajet.</translation>
    </message>
    <message>
        <source>The selected lines are in different units. Please copy the lines of one unit at a time.</source>
        <translation>Les lignes choisies sont dans des unités différentes. Veuillez copier les lignes d’une seule unité à la fois.</translation>
    </message>
    <message>
        <source>Please enter the date as YYYY/MM/DD.</source>
        <translation>Veuillez entrer la date sous la forme AAAA/MM/JJ.</translation>
    </message>
</context>
<context>
    <name>OdometerRule</name>
    <message>
        <source>The distance %1 and the odometer readings %2 to %3 (%4) disagree.

Yes: keep the distance %1; odometer out becomes %5.
No: keep the readings; the distance becomes %4.</source>
        <translation>La distance %1 et les relevés d’odomètre %2 à %3 (%4) ne concordent pas.

Oui&#xa0;: garder la distance %1; l’odomètre d’arrivée devient %5.
Non&#xa0;: garder les relevés; la distance devient %4.</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>%1 is the same file as %2, which the program reads; it was not written. Choose another file.</source>
        <translation>%1 est le même fichier que %2, que le programme lit; il n’a pas été écrit. Choisissez un autre fichier.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>L’imprimante n’a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written.</source>
        <translation>Le fichier PDF %1 n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>%1 The old file is kept.</source>
        <translation>%1 L’ancien fichier est gardé.</translation>
    </message>
    <message>
        <source>Nothing to print.</source>
        <translation>Rien à imprimer.</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>%1 (IFTA number %2)</source>
        <translation>%1 (numéro IFTA %2)</translation>
    </message>
    <message>
        <source>A profile of %1 is already stored. Replace it?</source>
        <translation>Un profil de %1 est déjà enregistré. Le remplacer?</translation>
    </message>
    <message>
        <source>this carrier</source>
        <translation>ce transporteur</translation>
    </message>
    <message>
        <source>Delete the profile of %1?</source>
        <translation>Supprimer le profil de %1?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>Quarter:</source>
        <translation>Trimestre&#xa0;:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l’impression</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>There is not enough memory to read %1. The file is not opened.</source>
        <translation>La mémoire manque pour lire %1. Le fichier n’est pas ouvert.</translation>
    </message>
</context>
<context>
    <name>RecoveryEnvironment</name>
    <message>
        <source>an unknown time</source>
        <translation>un moment inconnu</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 jurisdiction uses rates that differ from the loaded table: File &gt; Save/Update Tax Rates applies them</source>
        <translation>%1 administration utilise des taux différents de la table chargée&#xa0;: Fichier &gt; Enregistrer et mettre à jour les taux les applique</translation>
    </message>
    <message>
        <source>%1 jurisdictions use rates that differ from the loaded table: File &gt; Save/Update Tax Rates applies them</source>
        <translation>%1 administrations utilisent des taux différents de la table chargée&#xa0;: Fichier &gt; Enregistrer et mettre à jour les taux les applique</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>position %1</translation>
    </message>
    <message>
        <source>Trip lines in %1 carry different rates: its row is taxed at the rate of its last line (View &gt; Check lists them)</source>
        <translation>Les trajets en %1 portent des taux différents&#xa0;: sa ligne est taxée au taux de son dernier trajet (Affichage &gt; Vérifier le trimestre les énumère)</translation>
    </message>
    <message>
        <source>Trip lines in %1 carry different rates: each row is taxed at the rate of its last line (View &gt; Check lists them)</source>
        <translation>Les trajets en %1 portent des taux différents&#xa0;: chaque ligne est taxée au taux de son dernier trajet (Affichage &gt; Vérifier le trimestre les énumère)</translation>
    </message>
    <message>
        <source>1 trip line names a jurisdiction slot outside the tax-rate table; it is left out of the report</source>
        <translation>1 ligne de trajet désigne une position hors de la table des taux; elle est exclue du rapport</translation>
    </message>
    <message>
        <source>%1 trip lines name a jurisdiction slot outside the tax-rate table; they are left out of the report</source>
        <translation>%1 lignes de trajet désignent une position hors de la table des taux; elles sont exclues du rapport</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot open the file %1: %2.</source>
        <translation>Impossible d’ouvrir le fichier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot save the file %1: %2.</source>
        <translation>Impossible d’enregistrer le fichier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file.</source>
        <translation>Le fichier %1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file %1 is too large (over %2 MiB).</source>
        <translation>Le fichier %1 est trop gros (plus de %2&#xa0;Mio).</translation>
    </message>
</context>
<context>
    <name>TaxFile</name>
    <message>
        <source>The tax rate on line %1 is not between 0 and 10. Tax not loaded.</source>
        <translation>Le taux de taxe de la ligne %1 n’est pas entre 0 et 10. Taux non chargés.</translation>
    </message>
    <message>
        <source>The tax-rate file has no year and quarter after %1. Tax not loaded.</source>
        <translation>Le fichier de taux n’a pas d’année ni de trimestre après %1. Taux non chargés.</translation>
    </message>
    <message>
        <source>The tax-rate file names no jurisdiction. Tax not loaded.</source>
        <translation>Le fichier de taux ne nomme aucune administration. Taux non chargés.</translation>
    </message>
</context>
<context>
    <name>TripClipboard</name>
    <message>
        <source>%1

No row was pasted.</source>
        <translation>%1

Aucune rangée n’a été collée.</translation>
    </message>
    <message>
        <source>%1

Add the %2 good row?</source>
        <translation>%1

Ajouter la rangée valide?</translation>
    </message>
    <message>
        <source>%1

Add the %2 good rows?</source>
        <translation>%1

Ajouter les %2 rangées valides?</translation>
    </message>
    <message>
        <source>the pasted rows</source>
        <translation>les lignes collées</translation>
    </message>
</context>
<context>
    <name>TripLineParser</name>
    <message>
        <source>The file holds more than %1 trip lines. The file is not opened.</source>
        <translation>Le fichier contient plus de %1 lignes de trajet. Le fichier n’est pas ouvert.</translation>
    </message>
    <message>
        <source>The tax rate of trip line %1 is not between 0 and 10. The file is not opened.</source>
        <translation>Le taux de taxe de la ligne de trajet %1 n’est pas entre 0 et 10. Le fichier n’est pas ouvert.</translation>
    </message>
    <message>
        <source>The distance of trip line %1 is negative. The file is not opened.</source>
        <translation>La distance de la ligne de trajet %1 est négative. Le fichier n’est pas ouvert.</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Add Trip %1</source>
        <translation>l’ajout du trajet %1</translation>
    </message>
    <message>
        <source>Modify Trip %1</source>
        <translation>la modification du trajet %1</translation>
    </message>
    <message>
        <source>Delete Trip %1</source>
        <translation>la suppression du trajet %1</translation>
    </message>
    <message>
        <source>Modify Rate %1</source>
        <translation>la modification du taux %1</translation>
    </message>
    <message>
        <source>Add Rate %1</source>
        <translation>l’ajout du taux %1</translation>
    </message>
    <message>
        <source>Download Rates</source>
        <translation>le téléchargement des taux</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>Show Problems</source>
        <translation>Voir les problèmes</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>YearSummary</name>
    <message>
        <source>no name</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>%1, IFTA %2</source>
        <translation>%1, IFTA %2</translation>
    </message>
    <message>
        <source>kilometres and litres</source>
        <translation>kilomètres et litres</translation>
    </message>
    <message>
        <source>miles and US gallons</source>
        <translation>milles et gallons US</translation>
    </message>
    <message>
        <source>diesel</source>
        <translation>diesel</translation>
    </message>
    <message>
        <source>gasoline</source>
        <translation>essence</translation>
    </message>
    <message>
        <source>%1 and %2 are of different carriers (%3; %4): a year summary takes the quarters of one carrier.</source>
        <translation>%1 et %2 sont de transporteurs différents (%3; %4)&#xa0;: un sommaire annuel prend les trimestres d’un seul transporteur.</translation>
    </message>
    <message>
        <source>%1 and %2 are of different years (%3; %4): a year summary takes the quarters of one year.</source>
        <translation>%1 et %2 sont d’années différentes (%3; %4)&#xa0;: un sommaire annuel prend les trimestres d’une seule année.</translation>
    </message>
    <message>
        <source>%1 and %2 are of different unit systems (%3; %4): a year summary takes the quarters of one unit system.</source>
        <translation>%1 et %2 sont dans des systèmes d’unités différents (%3; %4)&#xa0;: un sommaire annuel prend les trimestres d’un seul système d’unités.</translation>
    </message>
    <message>
        <source>%1 and %2 are of different fuels (%3; %4): a year summary takes the quarters of one fuel.</source>
        <translation>%1 et %2 sont de carburants différents (%3; %4)&#xa0;: un sommaire annuel prend les trimestres d’un seul carburant.</translation>
    </message>
    <message>
        <source>%1 and %2 are both %3: a year summary takes each quarter once.</source>
        <translation>%1 et %2 sont tous deux du %3&#xa0;: un sommaire annuel prend chaque trimestre une seule fois.</translation>
    </message>
    <message>
        <source>%1 has no valid quarter: set its tax period and save it.</source>
        <translation>%1 n’a pas de trimestre valide&#xa0;: fixez sa période de taxation et enregistrez-le.</translation>
    </message>
</context>
</TS>
