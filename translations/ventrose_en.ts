<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1, pas à jour</source>
        <translation>%1, not current</translation>
    </message>
</context>
<context>
    <name>CalculDist</name>
    <message>
        <source>0 mn</source>
        <translation>0 min</translation>
    </message>
</context>
<context>
    <name>CalculLog</name>
    <message>
        <source>0 kts</source>
        <translation>0 kt</translation>
    </message>
    <message>
        <source>0 mn</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>0 NM</source>
        <translation>0 NM</translation>
    </message>
</context>
<context>
    <name>CalculTaux</name>
    <message>
        <source>0 ft/mn</source>
        <translation>0 ft/min</translation>
    </message>
    <message>
        <source>0 mn</source>
        <translation>0 min</translation>
    </message>
</context>
<context>
    <name>CalculVp</name>
    <message>
        <source>0 Kts</source>
        <translation>0 kt</translation>
    </message>
    <message>
        <source>0 Km/h</source>
        <translation>0 km/h</translation>
    </message>
    <message>
        <source>0 pieds</source>
        <translation>0 ft</translation>
    </message>
    <message>
        <source>0 mètres</source>
        <translation>0 m</translation>
    </message>
    <message>
        <source>0.00 Hpa</source>
        <translation>0.00 hPa</translation>
    </message>
</context>
<context>
    <name>CalculVs</name>
    <message>
        <source>0 kts</source>
        <translation>0 kt</translation>
    </message>
    <message>
        <source>0 mn</source>
        <translation>0 min</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>L&apos;option « %1 » ne prend pas de valeur. Voir ventrose --help.</source>
        <translation>The option “%1” takes no value. See ventrose --help.</translation>
    </message>
    <message>
        <source>L&apos;option « --sim » demande un simulateur : xplane, flightgear ou aucun. Voir ventrose --help.</source>
        <translation>The option “--sim” needs a simulator: xplane, flightgear or none. See ventrose --help.</translation>
    </message>
    <message>
        <source>L&apos;option « --langue » demande une langue : fr ou en. Voir ventrose --help.</source>
        <translation>The option “--langue” needs a language: fr or en. See ventrose --help.</translation>
    </message>
    <message>
        <source>L&apos;option « --palette » demande une palette : jour, nuit ou nuit-rouge. Voir ventrose --help.</source>
        <translation>The option “--palette” needs a palette: day, night or red-night. See ventrose --help.</translation>
    </message>
    <message>
        <source> Voir ventrose --help.</source>
        <translation> See ventrose --help.</translation>
    </message>
    <message>
        <source>Option inconnue « %1 ».</source>
        <translation>Unknown option “%1”.</translation>
    </message>
    <message>
        <source>Argument inattendu « %1 ».</source>
        <translation>Unexpected argument “%1”.</translation>
    </message>
    <message>
        <source>Palette inconnue « %1 » : choisir jour, nuit ou nuit-rouge.</source>
        <translation>Unknown palette “%1”: choose day, night or red-night.</translation>
    </message>
    <message>
        <source>Deux palettes demandées : « %1 » et « %2 ».</source>
        <translation>Two palettes asked for: “%1” and “%2”.</translation>
    </message>
    <message>
        <source>Deux simulateurs demandés : « %1 » et « %2 ».</source>
        <translation>Two simulators asked for: “%1” and “%2”.</translation>
    </message>
    <message>
        <source>Langue inconnue « %1 » : choisir fr ou en.</source>
        <translation>Unknown language “%1”: choose fr or en.</translation>
    </message>
    <message>
        <source>Deux langues demandées : « %1 » et « %2 ».</source>
        <translation>Two languages asked for: “%1” and “%2”.</translation>
    </message>
    <message>
        <source>Calculateur de vol pour les pilotes de simulateur de vol.</source>
        <translation>Flight computer for flight simulator pilots.</translation>
    </message>
    <message>
        <source>Garde les fenêtres de Ventrose au-dessus des autres applications, par exemple au-dessus du simulateur.</source>
        <translation>Keeps Ventrose&apos;s windows above the other applications, for instance above the simulator.</translation>
    </message>
    <message>
        <source>Dessine les fenêtres en jour (les couleurs du programme), nuit (des couleurs sombres) ou nuit-rouge (du rouge sur du noir).</source>
        <translation>Draws the windows in day (the program&apos;s colours), night (dark colours) or red-night (red on black); jour, nuit and nuit-rouge are the same.</translation>
    </message>
    <message>
        <source>Oublie ce que le programme a retenu des séances précédentes : la place des fenêtres, le premier plan et les couleurs.</source>
        <translation>Forgets what the program kept from earlier sessions: the windows&apos; places, staying on top and the colours.</translation>
    </message>
    <message>
        <source>Suit le simulateur : xplane[:MACHINE[:PORT]] (X-Plane, port UDP 49000 par défaut), flightgear[:MACHINE[:PORT]] (FlightGear lancé avec --telnet=5401, port 5401 par défaut) ou aucun. MACHINE : 127.0.0.1 par défaut. Retenu pour les séances suivantes.</source>
        <translation>Follows the simulator: xplane[:HOST[:PORT]] (X-Plane, UDP port 49000 by default), flightgear[:HOST[:PORT]] (FlightGear started with --telnet=5401, port 5401 by default) or none (aucun). HOST: 127.0.0.1 by default. Kept for the next sessions.</translation>
    </message>
    <message>
        <source>simulateur</source>
        <translation>simulator</translation>
    </message>
    <message>
        <source>Parle fr (français) ou en (anglais). Sans cette option : la langue choisie la dernière fois, sinon celle du système si c&apos;est le français ou l&apos;anglais, sinon l&apos;anglais. Retenu pour les séances suivantes.</source>
        <translation>Speaks fr (French) or en (English). Without this option: the language chosen last time, else the system&apos;s when it is French or English, else English. Kept for the next sessions.</translation>
    </message>
    <message>
        <source>langue</source>
        <translation>language</translation>
    </message>
</context>
<context>
    <name>CurrentLeg</name>
    <message>
        <source>Étape %1</source>
        <translation>Leg %1</translation>
    </message>
    <message>
        <source>Étape %1 → %2</source>
        <translation>Leg %1 → %2</translation>
    </message>
    <message>
        <source>%1 : sans position, Top à la main, HE %2</source>
        <translation>%1: no position, mark the time by hand, ETA %2</translation>
    </message>
    <message>
        <source>0 NM</source>
        <translation>0 NM</translation>
    </message>
    <message>
        <source>%1 : %2, HE %3</source>
        <translation>%1: %2, ETA %3</translation>
    </message>
    <message>
        <source>%1 : HE %2</source>
        <translation>%1: ETA %2</translation>
    </message>
    <message>
        <source>Toutes les étapes sont topées.</source>
        <translation>Every leg has its time marked.</translation>
    </message>
</context>
<context>
    <name>DisplayMenu</name>
    <message>
        <source>Sous Wayland, une fenêtre ne peut pas se garder au premier plan : lancer Ventrose avec QT_QPA_PLATFORM=xcb</source>
        <translation>Under Wayland a window cannot keep itself on top: run Ventrose with QT_QPA_PLATFORM=xcb</translation>
    </message>
    <message>
        <source>Jour</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Nuit</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>Nuit rouge</source>
        <translation>Red night</translation>
    </message>
    <message>
        <source>Toujours au premier plan</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>Couleurs</source>
        <translation>Colours</translation>
    </message>
</context>
<context>
    <name>DocumentFiles</name>
    <message>
        <source>« %1 »</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>le disque est plein ou le système à court de place</source>
        <translation>the disk is full or the system is out of space</translation>
    </message>
    <message>
        <source>il ne peut pas être ouvert</source>
        <translation>it cannot be opened</translation>
    </message>
    <message>
        <source>la lecture a échoué</source>
        <translation>reading failed</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (disque plein ?)</source>
        <translation>writing failed (disk full?)</translation>
    </message>
    <message>
        <source>il n&apos;a pas pu remplacer le précédent</source>
        <translation>it could not replace the previous one</translation>
    </message>
    <message>
        <source>l&apos;écriture a été interrompue</source>
        <translation>writing was interrupted</translation>
    </message>
    <message>
        <source>erreur du système de fichiers</source>
        <translation>file system error</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être enregistré : %2. Le fichier précédent, s&apos;il existait, est intact.</source>
        <translation>The file %1 could not be saved: %2. The previous file, if there was one, is intact.</translation>
    </message>
    <message>
        <source>%1 Mo</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 octets</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;existe pas.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Le fichier %1 est un dossier.</source>
        <translation>The file %1 is a folder.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un fichier ordinaire.</source>
        <translation>The file %1 is not a regular file.</translation>
    </message>
    <message>
        <source>Le fichier %1 est trop grand (plus de %2) ; il n&apos;a pas été lu.</source>
        <translation>The file %1 is too large (more than %2); it was not read.</translation>
    </message>
    <message>
        <source>Le fichier %1 ne peut pas être lu : %2.</source>
        <translation>The file %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>l&apos;écriture s&apos;est arrêtée en cours (disque plein ?)</source>
        <translation>writing stopped part way (disk full?)</translation>
    </message>
    <message>
        <source>l&apos;impression demande l&apos;interface graphique</source>
        <translation>printing needs the graphical interface</translation>
    </message>
    <message>
        <source>le PDF n&apos;a pas pu être dessiné</source>
        <translation>the PDF could not be drawn</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>Imprimer « %1 »</source>
        <translation>Print “%1”</translation>
    </message>
    <message>
        <source>L&apos;imprimante « %1 » n&apos;a pas pu commencer l&apos;impression.</source>
        <translation>The printer “%1” could not start printing.</translation>
    </message>
    <message>
        <source>L&apos;impression a été interrompue.</source>
        <translation>Printing was interrupted.</translation>
    </message>
    <message>
        <source>Enregistrer les modifications de « %1 » avant de fermer ?</source>
        <translation>Save the changes to “%1” before closing?</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>ExactTriangle</name>
    <message>
        <source>Cap exact : %1</source>
        <translation>Exact heading: %1</translation>
    </message>
    <message>
        <source>Vs exacte : %1</source>
        <translation>Exact GS: %1</translation>
    </message>
    <message>
        <source>Écart : cap %1, Vs %2, distance %3</source>
        <translation>Difference: heading %1, GS %2, distance %3</translation>
    </message>
    <message>
        <source>Écart : cap %1, Vs %2, temps %3</source>
        <translation>Difference: heading %1, GS %2, time %3</translation>
    </message>
    <message>
        <source>cap impossible : vent traversier &gt; Vp</source>
        <translation>no heading holds: crosswind &gt; TAS</translation>
    </message>
</context>
<context>
    <name>FlightPlan</name>
    <message>
        <source>le point %1 a une latitude sans longitude.</source>
        <translation>the point %1 has a latitude without a longitude.</translation>
    </message>
    <message>
        <source>le point %1 a une longitude sans latitude.</source>
        <translation>the point %1 has a longitude without a latitude.</translation>
    </message>
    <message>
        <source>Le fichier est une liste de propriétés FlightGear, mais pas un plan de vol : il n&apos;a pas d&apos;élément &lt;route&gt;.</source>
        <translation>The file is a FlightGear property list, but not a flight plan: it has no &lt;route&gt; element.</translation>
    </message>
    <message>
        <source>&lt;%1&gt; n&apos;a pas d&apos;attribut %2.</source>
        <translation>&lt;%1&gt; has no %2 attribute.</translation>
    </message>
    <message>
        <source>Le fichier Little Navmap n&apos;est pas un plan de vol : il n&apos;a pas d&apos;élément &lt;Flightplan&gt;.</source>
        <translation>The Little Navmap file is not a flight plan: it has no &lt;Flightplan&gt; element.</translation>
    </message>
    <message>
        <source>la position %1 n&apos;est pas de la forme N47° 26&apos; 2.96&quot;,W122° 18&apos; 31.20&quot;,+000433.00.</source>
        <translation>the position %1 is not of the form N47° 26&apos; 2.96&quot;,W122° 18&apos; 31.20&quot;,+000433.00.</translation>
    </message>
    <message>
        <source>Le fichier MSFS n&apos;est pas un plan de vol : il n&apos;a pas d&apos;élément &lt;FlightPlan.FlightPlan&gt;.</source>
        <translation>The MSFS file is not a flight plan: it has no &lt;FlightPlan.FlightPlan&gt; element.</translation>
    </message>
    <message>
        <source>Ce plan MSFS ne donne la position d&apos;aucun de ses points : exportez-le de votre planificateur avec les positions (WorldPosition) pour l&apos;importer.</source>
        <translation>This MSFS plan gives the position of none of its points: export it from your planner with the positions (WorldPosition) to import it.</translation>
    </message>
    <message>
        <source>le fichier est tronqué : %1.</source>
        <translation>the file is cut short: %1.</translation>
    </message>
    <message>
        <source>le fichier n&apos;est pas du XML valide : %1.</source>
        <translation>the file is not valid XML: %1.</translation>
    </message>
    <message>
        <source>Le fichier est du XML, mais pas un plan de vol connu : son élément racine est &lt;%1&gt;, pour &lt;PropertyList&gt; (FlightGear), &lt;LittleNavmap&gt;, &lt;SimBase.Document&gt; (MSFS) ou &lt;gpx&gt;.</source>
        <translation>The file is XML, but not a known flight plan: its root element is &lt;%1&gt;, where &lt;PropertyList&gt; (FlightGear), &lt;LittleNavmap&gt;, &lt;SimBase.Document&gt; (MSFS) or &lt;gpx&gt; is expected.</translation>
    </message>
    <message>
        <source>Le fichier est trop gros : %1 octets, pour %2 au plus.</source>
        <translation>The file is too large: %1 bytes, for %2 at most.</translation>
    </message>
    <message>
        <source>Le fichier est en UTF-16 : enregistrez-le en UTF-8 pour l&apos;importer.</source>
        <translation>The file is in UTF-16: save it in UTF-8 to import it.</translation>
    </message>
    <message>
        <source>Le fichier est vide.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Le fichier n&apos;est pas un plan de vol : c&apos;est un fichier binaire.</source>
        <translation>The file is not a flight plan: it is a binary file.</translation>
    </message>
    <message>
        <source>le fichier n&apos;est pas du texte UTF-8 valide.</source>
        <translation>the file is not valid UTF-8 text.</translation>
    </message>
    <message>
        <source>Le plan ne contient aucun point.</source>
        <translation>The plan holds no point.</translation>
    </message>
    <message>
        <source>la latitude %1 n&apos;est pas un nombre.</source>
        <translation>the latitude %1 is not a number.</translation>
    </message>
    <message>
        <source>la longitude %1 n&apos;est pas un nombre.</source>
        <translation>the longitude %1 is not a number.</translation>
    </message>
    <message>
        <source>la latitude vaut %1, hors de -90 à 90.</source>
        <translation>the latitude is %1, outside -90 to 90.</translation>
    </message>
    <message>
        <source>la longitude vaut %1, hors de -180 à 180.</source>
        <translation>the longitude is %1, outside -180 to 180.</translation>
    </message>
    <message>
        <source>la latitude est hors de -90 à 90.</source>
        <translation>the latitude is outside -90 to 90.</translation>
    </message>
    <message>
        <source>la longitude est hors de -180 à 180.</source>
        <translation>the longitude is outside -180 to 180.</translation>
    </message>
    <message>
        <source>Le plan a plus de %1 points.</source>
        <translation>The plan has more than %1 points.</translation>
    </message>
    <message>
        <source>Ligne %1 : %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>l&apos;élément &lt;%1&gt; ouvert ligne %2 n&apos;est pas fermé</source>
        <translation>the element &lt;%1&gt; opened on line %2 is not closed</translation>
    </message>
    <message>
        <source>le fichier s&apos;arrête avant son premier élément</source>
        <translation>the file stops before its first element</translation>
    </message>
    <message>
        <source>une instruction «&lt;?» n&apos;est pas fermée</source>
        <translation>an instruction “&lt;?” is not closed</translation>
    </message>
    <message>
        <source>un commentaire n&apos;est pas fermé</source>
        <translation>a comment is not closed</translation>
    </message>
    <message>
        <source>une section CDATA hors de l&apos;élément racine</source>
        <translation>a CDATA section outside the root element</translation>
    </message>
    <message>
        <source>une section CDATA n&apos;est pas fermée</source>
        <translation>a CDATA section is not closed</translation>
    </message>
    <message>
        <source>la déclaration «%1» n&apos;est pas permise</source>
        <translation>the declaration “%1” is not allowed</translation>
    </message>
    <message>
        <source>une déclaration DOCTYPE après le début</source>
        <translation>a DOCTYPE declaration after the start</translation>
    </message>
    <message>
        <source>une déclaration DOCTYPE avec des déclarations internes («[…]») est refusée : elle pourrait déclarer des entités</source>
        <translation>a DOCTYPE declaration with internal declarations (“[…]”) is refused: it could declare entities</translation>
    </message>
    <message>
        <source>la déclaration DOCTYPE n&apos;est pas fermée</source>
        <translation>the DOCTYPE declaration is not closed</translation>
    </message>
    <message>
        <source>le fichier s&apos;arrête dans une balise</source>
        <translation>the file stops inside a tag</translation>
    </message>
    <message>
        <source>un nom était attendu après «&lt;»</source>
        <translation>a name was expected after “&lt;”</translation>
    </message>
    <message>
        <source>le fichier s&apos;arrête dans la balise &lt;/%1&gt;</source>
        <translation>the file stops inside the tag &lt;/%1&gt;</translation>
    </message>
    <message>
        <source>«&gt;» attendu à la fin de la balise &lt;/%1&gt;</source>
        <translation>“&gt;” expected at the end of the tag &lt;/%1&gt;</translation>
    </message>
    <message>
        <source>balise fermante &lt;/%1&gt; sans élément ouvert</source>
        <translation>closing tag &lt;/%1&gt; without an open element</translation>
    </message>
    <message>
        <source>balise fermante &lt;/%1&gt; trouvée, &lt;/%2&gt; attendue</source>
        <translation>closing tag &lt;/%1&gt; found, &lt;/%2&gt; expected</translation>
    </message>
    <message>
        <source>un second élément racine &lt;%1&gt;</source>
        <translation>a second root element &lt;%1&gt;</translation>
    </message>
    <message>
        <source>des éléments imbriqués sur plus de %1 niveaux</source>
        <translation>elements nested more than %1 levels deep</translation>
    </message>
    <message>
        <source>plus de %1 éléments</source>
        <translation>more than %1 elements</translation>
    </message>
    <message>
        <source>le fichier s&apos;arrête dans la balise &lt;%1&gt;</source>
        <translation>the file stops inside the tag &lt;%1&gt;</translation>
    </message>
    <message>
        <source>une espace était attendue dans la balise &lt;%1&gt;</source>
        <translation>a space was expected in the tag &lt;%1&gt;</translation>
    </message>
    <message>
        <source>l&apos;attribut «%1» est deux fois sur &lt;%2&gt;</source>
        <translation>the attribute “%1” is twice on &lt;%2&gt;</translation>
    </message>
    <message>
        <source>plus de %1 attributs sur &lt;%2&gt;</source>
        <translation>more than %1 attributes on &lt;%2&gt;</translation>
    </message>
    <message>
        <source>«=» attendu après l&apos;attribut «%1»</source>
        <translation>“=” expected after the attribute “%1”</translation>
    </message>
    <message>
        <source>la valeur de l&apos;attribut «%1» n&apos;est pas entre guillemets</source>
        <translation>the value of the attribute “%1” is not in quotes</translation>
    </message>
    <message>
        <source>la valeur de l&apos;attribut «%1» n&apos;est pas fermée</source>
        <translation>the value of the attribute “%1” is not closed</translation>
    </message>
    <message>
        <source>«&lt;» dans la valeur de l&apos;attribut «%1»</source>
        <translation>“&lt;” in the value of the attribute “%1”</translation>
    </message>
    <message>
        <source>du texte hors de l&apos;élément racine</source>
        <translation>text outside the root element</translation>
    </message>
    <message>
        <source>«&amp;» sans «;» : écrivez «&amp;amp;» pour un «&amp;»</source>
        <translation>“&amp;” without “;”: write “&amp;amp;” for a “&amp;”</translation>
    </message>
    <message>
        <source>l&apos;entité «&amp;%1;» est inconnue : seules les cinq entités prédéfinies et les références numériques sont lues</source>
        <translation>the entity “&amp;%1;” is unknown: only the five predefined entities and numeric references are read</translation>
    </message>
    <message>
        <source>la référence «&amp;%1;» ne désigne pas un caractère permis</source>
        <translation>the reference “&amp;%1;” does not name an allowed character</translation>
    </message>
    <message>
        <source>Le fichier n&apos;est pas un plan de vol reconnu : il n&apos;est ni du XML (FlightGear, Little Navmap, MSFS, GPX) ni un plan X-Plane (.fms commençant par «I» ou «A» puis la version).</source>
        <translation>The file is not a known flight plan: it is neither XML (FlightGear, Little Navmap, MSFS, GPX) nor an X-Plane plan (.fms starting with “I” or “A” then the version).</translation>
    </message>
    <message>
        <source>un point a %1 champs, pour %2 (type, identifiant, via, altitude, latitude, longitude).</source>
        <translation>a point has %1 fields, for %2 (type, identifier, via, altitude, latitude, longitude).</translation>
    </message>
    <message>
        <source>un point a %1 champs, pour %2 (type, identifiant, altitude, latitude, longitude).</source>
        <translation>a point has %1 fields, for %2 (type, identifier, altitude, latitude, longitude).</translation>
    </message>
    <message>
        <source>le type de point %1 n&apos;est pas un nombre entier positif.</source>
        <translation>the point type %1 is not a positive whole number.</translation>
    </message>
    <message>
        <source>l&apos;altitude %1 n&apos;est pas un nombre.</source>
        <translation>the altitude %1 is not a number.</translation>
    </message>
    <message>
        <source>Le fichier est tronqué : il s&apos;arrête avant ses points.</source>
        <translation>The file is cut short: it stops before its points.</translation>
    </message>
    <message>
        <source>un nombre seul était attendu, comme X-Plane l&apos;écrit après «3 version».</source>
        <translation>a number alone was expected, as X-Plane writes it after “3 version”.</translation>
    </message>
    <message>
        <source>la ligne «NUMENR» qui compte les points manque avant eux.</source>
        <translation>the “NUMENR” line that counts the points is missing before them.</translation>
    </message>
    <message>
        <source>«NUMENR» doit être suivi du nombre de points.</source>
        <translation>“NUMENR” must be followed by the number of points.</translation>
    </message>
    <message>
        <source>Le fichier est tronqué : la ligne «NUMENR» et les points manquent.</source>
        <translation>The file is cut short: the “NUMENR” line and the points are missing.</translation>
    </message>
    <message>
        <source>Le fichier est tronqué : NUMENR annonce %1 points, le fichier en donne %2.</source>
        <translation>The file is cut short: NUMENR announces %1 points, the file gives %2.</translation>
    </message>
    <message>
        <source>ligne en trop après les %1 points que NUMENR annonce.</source>
        <translation>a line too many after the %1 points that NUMENR announces.</translation>
    </message>
    <message>
        <source>Le fichier est tronqué : il s&apos;arrête après «I».</source>
        <translation>The file is cut short: it stops after “I”.</translation>
    </message>
    <message>
        <source>la version %1 d&apos;X-Plane est inconnue : seules les versions 3 et 1100 sont lues.</source>
        <translation>the X-Plane version %1 is unknown: only versions 3 and 1100 are read.</translation>
    </message>
</context>
<context>
    <name>LinkChoice</name>
    <message>
        <source>Il manque le nom ou l&apos;adresse de la machine du simulateur.</source>
        <translation>The simulator’s host is missing: give its name or its address.</translation>
    </message>
    <message>
        <source>Machine « %1 » invalide : un nom (lettres, chiffres, « - » et « . ») ou une adresse IP.</source>
        <translation>Invalid host “%1”: a name (letters, digits, “-” and “.”) or an IP address.</translation>
    </message>
    <message>
        <source>Port « %1 » invalide : un nombre entier de 1 à 65535.</source>
        <translation>Invalid port “%1”: a whole number from 1 to 65535.</translation>
    </message>
    <message>
        <source>Simulateur inconnu « %1 » : choisir xplane, flightgear ou aucun.</source>
        <translation>Unknown simulator “%1”: choose xplane, flightgear or none.</translation>
    </message>
</context>
<context>
    <name>LinkState</name>
    <message>
        <source>X-Plane : données reçues</source>
        <translation>X-Plane: data received</translation>
    </message>
    <message>
        <source>X-Plane : pas de données</source>
        <translation>X-Plane: no data</translation>
    </message>
    <message>
        <source>FlightGear : données reçues</source>
        <translation>FlightGear: data received</translation>
    </message>
    <message>
        <source>FlightGear : pas de données</source>
        <translation>FlightGear: no data</translation>
    </message>
</context>
<context>
    <name>LogDocuments</name>
    <message>
        <source>US Gallons</source>
        <translation>US gal</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Lbs</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Kilo</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Repère</source>
        <translation>Waypoint</translation>
    </message>
    <message>
        <source>Rm (°)</source>
        <translation>MC (°)</translation>
    </message>
    <message>
        <source>D (NM)</source>
        <translation>Dist (NM)</translation>
    </message>
    <message>
        <source>V (°)</source>
        <translation>WD (°)</translation>
    </message>
    <message>
        <source>Vw (kt)</source>
        <translation>WS (kt)</translation>
    </message>
    <message>
        <source>Dérive (°)</source>
        <translation>Drift (°)</translation>
    </message>
    <message>
        <source>Cap (°)</source>
        <translation>Heading (°)</translation>
    </message>
    <message>
        <source>Vs (kt)</source>
        <translation>GS (kt)</translation>
    </message>
    <message>
        <source>Cap exact (°)</source>
        <translation>Exact heading (°)</translation>
    </message>
    <message>
        <source>Vs exacte (kt)</source>
        <translation>Exact GS (kt)</translation>
    </message>
    <message>
        <source>Tsv (mn)</source>
        <translation>NWT (min)</translation>
    </message>
    <message>
        <source>Tav (mn)</source>
        <translation>ETE (min)</translation>
    </message>
    <message>
        <source>Cumul (mn)</source>
        <translation>Cumulative ETE (min)</translation>
    </message>
    <message>
        <source>HE</source>
        <translation>ETA</translation>
    </message>
    <message>
        <source>HR</source>
        <translation>ATA</translation>
    </message>
    <message>
        <source>Vs réalisée (kt)</source>
        <translation>GS made good (kt)</translation>
    </message>
    <message>
        <source>Carburant (%1)</source>
        <translation>Fuel used (%1)</translation>
    </message>
    <message>
        <source>Reste (%1)</source>
        <translation>Fuel remaining (%1)</translation>
    </message>
    <message>
        <source>Sous la réserve</source>
        <translation>Below reserve</translation>
    </message>
    <message>
        <source>oui</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>mn</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Rm</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>Dist.</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source>Vent</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Dérive</source>
        <translation>Drift</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>HDG</translation>
    </message>
    <message>
        <source>Vs</source>
        <translation>GS</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Tsv</source>
        <translation>NWT</translation>
    </message>
    <message>
        <source>Tav</source>
        <translation>ETE</translation>
    </message>
    <message>
        <source>Cumul</source>
        <translation>Cum.</translation>
    </message>
    <message>
        <source>Carbu.</source>
        <translation>Fuel</translation>
    </message>
    <message>
        <source>Reste</source>
        <translation>Rem.</translation>
    </message>
    <message>
        <source>De</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Vp (kt)</source>
        <translation>TAS (kt)</translation>
    </message>
    <message>
        <source>Départ</source>
        <translation>Departure</translation>
    </message>
    <message>
        <source>Carburant</source>
        <translation>Fuel</translation>
    </message>
    <message>
        <source>Conso. / h</source>
        <translation>Fuel / h</translation>
    </message>
    <message>
        <source>Réserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Log de navigation</source>
        <translation>Navigation log</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>Page %1/%2</translation>
    </message>
    <message>
        <source>HR : heure réelle au repère, à noter en vol. HE : heure estimée. Reste en gras : sous la réserve.</source>
        <translation>ATA: actual time over the waypoint, written in flight. ETA: estimated time of arrival. Rem.: fuel remaining, in bold below the reserve.</translation>
    </message>
    <message>
        <source>Exact : cap et Vs du triangle des vitesses résolu exactement, à comparer à ceux de la méthode. X : cap impossible, vent traversier &gt; Vp.</source>
        <translation>Exact: heading and GS of the wind triangle solved exactly, to compare with the method&apos;s. X: no heading holds the course, crosswind &gt; TAS.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>NaN et Infinity ne sont pas des nombres JSON</source>
        <translation>NaN and Infinity are not JSON numbers</translation>
    </message>
    <message>
        <source>du texte suit la fin du JSON</source>
        <translation>text follows the end of the JSON</translation>
    </message>
    <message>
        <source>le texte s&apos;arrête avant la fin du JSON</source>
        <translation>the text stops before the end of the JSON</translation>
    </message>
    <message>
        <source>plus de %1 valeurs</source>
        <translation>more than %1 values</translation>
    </message>
    <message>
        <source>une valeur est attendue, pas %1</source>
        <translation>a value expected, not %1</translation>
    </message>
    <message>
        <source>nombre mal écrit : un chiffre est attendu, pas %1</source>
        <translation>number miswritten: a digit expected, not %1</translation>
    </message>
    <message>
        <source>un nombre ne commence pas par 0 suivi d&apos;un chiffre</source>
        <translation>a number does not start with 0 followed by a digit</translation>
    </message>
    <message>
        <source>nombre de plus de %1 caractères</source>
        <translation>number of more than %1 characters</translation>
    </message>
    <message>
        <source>le nombre %1 est hors des limites d&apos;un double</source>
        <translation>the number %1 is beyond the range of a double</translation>
    </message>
    <message>
        <source>texte de plus de %1 octets</source>
        <translation>text of more than %1 bytes</translation>
    </message>
    <message>
        <source>caractère de contrôle %1 dans un texte (il s&apos;écrit \n, \t ou \u00XX)</source>
        <translation>control character %1 in a text (write it \n, \t or \u00XX)</translation>
    </message>
    <message>
        <source>échappement inconnu \%1</source>
        <translation>unknown escape \%1</translation>
    </message>
    <message>
        <source>demi-caractère \u%1 sans le premier demi</source>
        <translation>half character \u%1 without its first half</translation>
    </message>
    <message>
        <source>demi-caractère \u%1 sans le second demi</source>
        <translation>half character \u%1 without its second half</translation>
    </message>
    <message>
        <source>\u doit être suivi de quatre chiffres hexadécimaux</source>
        <translation>\u must be followed by four hexadecimal digits</translation>
    </message>
    <message>
        <source>plus de %1 niveaux d&apos;imbrication</source>
        <translation>more than %1 levels of nesting</translation>
    </message>
    <message>
        <source>«,» ou «]» est attendu, pas %1</source>
        <translation>“,” or “]” expected, not %1</translation>
    </message>
    <message>
        <source>un nom de champ entre guillemets est attendu, pas %1</source>
        <translation>a field name in quotes expected, not %1</translation>
    </message>
    <message>
        <source>«:» est attendu, pas %1</source>
        <translation>“:” expected, not %1</translation>
    </message>
    <message>
        <source>«,» ou «}» est attendu, pas %1</source>
        <translation>“,” or “}” expected, not %1</translation>
    </message>
    <message>
        <source>champ %1 en double</source>
        <translation>field %1 twice</translation>
    </message>
    <message>
        <source>Le fichier n&apos;est pas un log Ventrose : %1</source>
        <translation>The file is not a Ventrose log: %1</translation>
    </message>
    <message>
        <source>un booléen</source>
        <translation>a boolean</translation>
    </message>
    <message>
        <source>un nombre</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>du texte</source>
        <translation>text</translation>
    </message>
    <message>
        <source>un tableau</source>
        <translation>an array</translation>
    </message>
    <message>
        <source>un objet</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>%1 doit être %2, pas %3.</source>
        <translation>%1 must be %2, not %3.</translation>
    </message>
    <message>
        <source>le champ %1 manque.</source>
        <translation>the field %1 is missing.</translation>
    </message>
    <message>
        <source>un nombre entier</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>%1 vaut %2, pas un nombre entier.</source>
        <translation>%1 is %2, not a whole number.</translation>
    </message>
    <message>
        <source>une heure «HH:MM»</source>
        <translation>a time “HH:MM”</translation>
    </message>
    <message>
        <source>%1 vaut %2, pas une heure «HH:MM» de 00:00 à 23:59.</source>
        <translation>%1 is %2, not a time “HH:MM” from 00:00 to 23:59.</translation>
    </message>
    <message>
        <source>%1 vaut %2, pas une des unités «usgal», «l», «lb» ou «kg».</source>
        <translation>%1 is %2, not one of the units “usgal”, “l”, “lb” or “kg”.</translation>
    </message>
    <message>
        <source>l&apos;étape doit être un objet, pas %1.</source>
        <translation>the leg must be an object, not %1.</translation>
    </message>
    <message>
        <source>le JSON est %1, pas un objet.</source>
        <translation>the JSON is %1, not an object.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas %2.</source>
        <translation>%1 is not %2.</translation>
    </message>
    <message>
        <source>version %1 inconnue.</source>
        <translation>unknown version %1.</translation>
    </message>
    <message>
        <source>Le log a %1 étapes, plus que les %2 permises.</source>
        <translation>The log has %1 legs, more than the %2 allowed.</translation>
    </message>
    <message>
        <source>ligne %1, colonne %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>Le fichier est trop gros : %1 octets, pour %2 au plus.</source>
        <translation>The file is too large: %1 bytes, for %2 at most.</translation>
    </message>
    <message>
        <source>Le fichier est vide.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Le fichier n&apos;est pas du texte UTF-8 valide (%1).</source>
        <translation>The file is not valid UTF-8 text (%1).</translation>
    </message>
    <message>
        <source>Le fichier est tronqué : %1 (%2).</source>
        <translation>The file is cut short: %1 (%2).</translation>
    </message>
    <message>
        <source>Le fichier n&apos;est pas du JSON valide (%1) : %2.</source>
        <translation>The file is not valid JSON (%1): %2.</translation>
    </message>
    <message>
        <source>la position n&apos;est pas une latitude de -90 à 90 et une longitude de -180 à 180.</source>
        <translation>the position is not a latitude from -90 to 90 and a longitude from -180 to 180.</translation>
    </message>
    <message>
        <source>l&apos;unité n&apos;est pas une des quatre unités de carburant.</source>
        <translation>the unit is not one of the four fuel units.</translation>
    </message>
    <message>
        <source>Étape %1 : </source>
        <translation>Leg %1: </translation>
    </message>
    <message>
        <source>Origine : </source>
        <translation>Origin: </translation>
    </message>
    <message>
        <source>Carburant : </source>
        <translation>Fuel: </translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 vaut %2, hors de %3 à %4.</source>
        <translation>%1 is %2, outside %3 to %4.</translation>
    </message>
    <message>
        <source>le repère n&apos;est pas du texte UTF-8 valide.</source>
        <translation>the waypoint is not valid UTF-8 text.</translation>
    </message>
    <message>
        <source>le repère contient un caractère de contrôle.</source>
        <translation>the waypoint holds a control character.</translation>
    </message>
    <message>
        <source>le repère a %1 caractères, plus que les %2 permis.</source>
        <translation>the waypoint has %1 characters, more than the %2 allowed.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Il faut entrer un nombre</source>
        <translation>You must enter a number</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>PlanImport</name>
    <message>
        <source>(sans nom)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>%1 et %2 autres</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>Le plan donne plus de %1 étapes : le log n&apos;en tient que %1.</source>
        <translation>The plan gives more than %1 legs: the log holds only %1.</translation>
    </message>
    <message>
        <source>Aucun point du plan n&apos;a de position : il n&apos;y a pas d&apos;étape à calculer.</source>
        <translation>No point of the plan has a position: there is no leg to compute.</translation>
    </message>
    <message>
        <source>Le plan ne donne aucune étape : il lui faut au moins deux points avec une position, à 0,5 NM au moins l&apos;un de l&apos;autre.</source>
        <translation>The plan gives no leg: it needs at least two points with a position, at least 0.5 NM apart.</translation>
    </message>
    <message>
        <source>Points sans position ignorés : %1.</source>
        <translation>Points without a position skipped: %1.</translation>
    </message>
    <message>
        <source>Points à moins de 0,5 NM du précédent ignorés : %1.</source>
        <translation>Points less than 0.5 NM from the previous one skipped: %1.</translation>
    </message>
    <message>
        <source>Étape %1 coupée en %2.</source>
        <translation>Leg %1 split into %2.</translation>
    </message>
    <message>
        <source>La date est hors de la période de validité du modèle magnétique WMM2025 (2025 à 2030) : les Rm sont calculés avec le modèle tel quel.</source>
        <translation>The date is outside the validity period of the WMM2025 magnetic model (2025 to 2030): the MCs are computed with the model as it is.</translation>
    </message>
</context>
<context>
    <name>SaisieLog</name>
    <message>
        <source>Vp</source>
        <translation>TAS</translation>
    </message>
    <message>
        <source>Rm</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>V</source>
        <translation>Wind direction</translation>
    </message>
    <message>
        <source>Vw</source>
        <translation>Wind speed</translation>
    </message>
    <message>
        <source>Carburant</source>
        <translation>Fuel</translation>
    </message>
    <message>
        <source>Consommation</source>
        <translation>Fuel flow</translation>
    </message>
    <message>
        <source>Réserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Départ</source>
        <translation>Departure</translation>
    </message>
    <message>
        <source>HR</source>
        <translation>ATA</translation>
    </message>
    <message>
        <source>Repère</source>
        <translation>Waypoint</translation>
    </message>
    <message>
        <source>De</source>
        <translation>From</translation>
    </message>
    <message>
        <source>%1 : 40 caractères au plus</source>
        <translation>%1: 40 characters at most</translation>
    </message>
    <message>
        <source>%1 : de 00:00 à 23:59</source>
        <translation>%1: 00:00 to 23:59</translation>
    </message>
    <message>
        <source>%1 : de %2 à %3</source>
        <translation>%1: %2 to %3</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>impossible de lire « %1 » (ce n&apos;est pas un fichier ordinaire) : démarrage avec les réglages par défaut, et rien n&apos;y sera enregistré</source>
        <translation>cannot read %1 (not a regular file): starting with the defaults, and nothing will be saved there</translation>
    </message>
    <message>
        <source>impossible de lire « %1 » : démarrage avec les réglages par défaut, et rien n&apos;y sera enregistré</source>
        <translation>cannot read %1: starting with the defaults, and nothing will be saved there</translation>
    </message>
    <message>
        <source>« %1 » dépasse 1 Mio, ce n&apos;est pas un fichier de réglages de ce programme : démarrage avec les réglages par défaut</source>
        <translation>%1 is larger than 1 MiB, not a settings file of this program: starting with the defaults</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier de réglages de ce programme (%2) : démarrage avec les réglages par défaut</source>
        <translation>%1 is not a settings file of this program (%2): starting with the defaults</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>%1: %2, so it is not used</translation>
    </message>
    <message>
        <source>« %1 » : %2 : %3, donc il n&apos;est pas utilisé</source>
        <translation>%1: %2: %3, so it is not used</translation>
    </message>
    <message>
        <source>impossible de remplacer « %1 » (ce n&apos;est pas un fichier ordinaire) : rien n&apos;y sera enregistré</source>
        <translation>cannot replace %1 (not a regular file): nothing will be saved there</translation>
    </message>
    <message>
        <source>impossible d&apos;enregistrer les réglages dans « %1 » (son dossier est-il en lecture seule ?) : la place des fenêtres, le premier plan et les couleurs ne seront pas retenus</source>
        <translation>cannot save the settings in %1 (is its folder read-only?): the windows&apos; places, keeping on top and the colours will not be remembered</translation>
    </message>
    <message>
        <source>pas un nombre entier : %1</source>
        <translation>not a whole number: %1</translation>
    </message>
    <message>
        <source>hors des limites (-100000 à 100000) : %1</source>
        <translation>out of range (-100000 to 100000): %1</translation>
    </message>
    <message>
        <source>ni « true » ni « false » : %1</source>
        <translation>not &quot;true&quot; or &quot;false&quot;: %1</translation>
    </message>
    <message>
        <source>ni « jour », ni « nuit », ni « nuit-rouge » : %1</source>
        <translation>not &quot;jour&quot;, &quot;nuit&quot; or &quot;nuit-rouge&quot;: %1</translation>
    </message>
    <message>
        <source>ni « aucun » ni un simulateur avec sa machine et son port : %1</source>
        <translation>not &quot;aucun&quot; or a simulator with its host and port: %1</translation>
    </message>
    <message>
        <source>ni « fr » ni « en » : %1</source>
        <translation>not &quot;fr&quot; or &quot;en&quot;: %1</translation>
    </message>
    <message>
        <source>absente, donc la position de la fenêtre n&apos;est pas utilisée</source>
        <translation>missing, so the window&apos;s position is not used</translation>
    </message>
    <message>
        <source>plus longue que 256 octets (%1)</source>
        <translation>longer than 256 bytes (%1)</translation>
    </message>
    <message>
        <source>%1 clés, plus de 1000 : tous les réglages sont ignorés</source>
        <translation>%1 keys, more than 1000: every setting is ignored</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>plus longue que %1 octets</source>
        <translation>longer than %1 bytes</translation>
    </message>
    <message>
        <source>un octet qui n&apos;est pas de l&apos;ASCII imprimable</source>
        <translation>a byte that is not printable ASCII</translation>
    </message>
    <message>
        <source>ni une [section] ni une clé=valeur</source>
        <translation>not a [section] or a key=value</translation>
    </message>
    <message>
        <source>un nom de section que ce programme n&apos;écrit jamais</source>
        <translation>a section name this program never writes</translation>
    </message>
    <message>
        <source>une clé avant toute section</source>
        <translation>a key before any section</translation>
    </message>
    <message>
        <source>un nom de clé que ce programme n&apos;écrit jamais</source>
        <translation>a key name this program never writes</translation>
    </message>
    <message>
        <source>une valeur typée, entre guillemets ou échappée, que ce programme n&apos;écrit jamais</source>
        <translation>a typed, quoted or escaped value, which this program never writes</translation>
    </message>
</context>
<context>
    <name>SimInputs</name>
    <message>
        <source>0 Kts</source>
        <translation>0 kt</translation>
    </message>
</context>
<context>
    <name>SimLink</name>
    <message>
        <source>Le lien avec le simulateur n&apos;a pas pu être chargé ; réinstaller Ventrose. (%1)</source>
        <translation>The simulator link could not be loaded; reinstall Ventrose. (%1)</translation>
    </message>
    <message>
        <source>La machine du simulateur « %1 » est introuvable : vérifier son nom, ou donner son adresse IP (Simulateur dans le menu, ou --sim).</source>
        <translation>The simulator’s host “%1” cannot be found: check its name, or give its IP address (Simulator in the menu, or --sim).</translation>
    </message>
</context>
<context>
    <name>SimMenu</name>
    <message>
        <source>X-Plane envoie ses données sans réglage : donner la machine où il tourne (127.0.0.1 : celle-ci) et son port UDP (49000 sauf réglage contraire).</source>
        <translation>X-Plane sends its data without any setting: give the host it runs on (127.0.0.1: this one) and its UDP port (49000 unless set otherwise).</translation>
    </message>
    <message>
        <source>Lancer FlightGear avec --telnet=5401, puis donner la machine où il tourne (127.0.0.1 : celle-ci) et ce port.</source>
        <translation>Start FlightGear with --telnet=5401, then give the host it runs on (127.0.0.1: this one) and that port.</translation>
    </message>
    <message>
        <source>Simulateur</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>None</translation>
    </message>
    <message>
        <source>&amp;Machine :</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>&amp;Port :</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>pas d&apos;écran (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini) : lancer Ventrose sur un bureau, ou sous `xvfb-run ventrose`, ou avec `QT_QPA_PLATFORM=vnc ventrose`</source>
        <translation>no display (neither DISPLAY nor WAYLAND_DISPLAY is set); run it on a desktop, or under `xvfb-run ventrose`, or with `QT_QPA_PLATFORM=vnc ventrose`</translation>
    </message>
    <message>
        <source>la traduction anglaise n&apos;a pas pu être lue : les fenêtres restent en français</source>
        <translation>the English translation could not be read; the windows stay in French</translation>
    </message>
    <message>
        <source>--on-top : sous Wayland, une fenêtre ne peut pas se garder au-dessus des autres ; lancer Ventrose avec QT_QPA_PLATFORM=xcb pour cela</source>
        <translation>--on-top: under Wayland a window cannot keep itself above the others; run Ventrose with QT_QPA_PLATFORM=xcb for that</translation>
    </message>
</context>
<context>
    <name>Tendance</name>
    <message>
        <source>Vario de montée</source>
        <translation>Rate of climb</translation>
    </message>
    <message>
        <source>Vario de descente</source>
        <translation>Rate of descent</translation>
    </message>
    <message>
        <source>Vario nul</source>
        <translation>Zero vertical speed</translation>
    </message>
</context>
<context>
    <name>TextBox</name>
    <message>
        <source>Couper</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Coller</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Tout sélectionner</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>TypeVent</name>
    <message>
        <source>vent de face</source>
        <translation>headwind</translation>
    </message>
    <message>
        <source>vent traversier de face à droite</source>
        <translation>quartering headwind from the right</translation>
    </message>
    <message>
        <source>vent perpendiculaire à droite</source>
        <translation>crosswind from the right</translation>
    </message>
    <message>
        <source>vent traversier arrière à droite</source>
        <translation>quartering tailwind from the right</translation>
    </message>
    <message>
        <source>vent de dos</source>
        <translation>tailwind</translation>
    </message>
    <message>
        <source>vent traversier arrière à gauche</source>
        <translation>quartering tailwind from the left</translation>
    </message>
    <message>
        <source>vent perpendiculaire à gauche</source>
        <translation>crosswind from the left</translation>
    </message>
    <message>
        <source>vent traversier de face à gauche</source>
        <translation>quartering headwind from the left</translation>
    </message>
    <message>
        <source>vent perpendicailaire à droite</source>
        <translation>crosswind from the right</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>0 kts</source>
        <translation>0 kt</translation>
    </message>
    <message>
        <source> kts</source>
        <translation> kt</translation>
    </message>
    <message>
        <source> mn</source>
        <translation> min</translation>
    </message>
    <message>
        <source>0 mn</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source> 0 mn</source>
        <translation> 0 min</translation>
    </message>
    <message>
        <source> 0mn</source>
        <translation> 0 min</translation>
    </message>
    <message>
        <source>&gt; 32767 mn</source>
        <translation>&gt; 32767 min</translation>
    </message>
    <message>
        <source> 0 kts</source>
        <translation> 0 kt</translation>
    </message>
    <message>
        <source> 0 mn/h</source>
        <translation> 0 min/h</translation>
    </message>
    <message>
        <source>### kts</source>
        <translation>### kt</translation>
    </message>
</context>
<context>
    <name>frmConversions</name>
    <message>
        <source>NM</source>
        <translation>NM</translation>
    </message>
    <message>
        <source>Kms</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Pieds</source>
        <translation>Feet</translation>
    </message>
    <message>
        <source>Mètres</source>
        <translation>Metres</translation>
    </message>
    <message>
        <source>Noeuds (Kts)</source>
        <translation>Knots (kt)</translation>
    </message>
    <message>
        <source>Km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>US Gallons</source>
        <translation>US gallons</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Litres</translation>
    </message>
    <message>
        <source>Lbs</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Kilo</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Noeuds</source>
        <translation>Knots</translation>
    </message>
    <message>
        <source>Il faut entrer un nombre</source>
        <translation>Please enter a number</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversions</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>Distances</translation>
    </message>
    <message>
        <source>Miles Nautiques</source>
        <translation>Nautical miles</translation>
    </message>
    <message>
        <source>Kilomètres</source>
        <translation>Kilometres</translation>
    </message>
    <message>
        <source>Altitudes</source>
        <translation>Altitudes</translation>
    </message>
    <message>
        <source>Vitesses</source>
        <translation>Speeds</translation>
    </message>
    <message>
        <source>Kms / heure</source>
        <translation>km / hour</translation>
    </message>
    <message>
        <source>Températures</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>° Fahrenheit</source>
        <translation>° Fahrenheit</translation>
    </message>
    <message>
        <source>° Celsius</source>
        <translation>° Celsius</translation>
    </message>
    <message>
        <source>Quantités de carburant</source>
        <translation>Fuel quantities</translation>
    </message>
    <message>
        <source>Pounds (Lbs)</source>
        <translation>Pounds (lb)</translation>
    </message>
    <message>
        <source>Kilogrammes</source>
        <translation>Kilograms</translation>
    </message>
    <message>
        <source>NB : unités employées dans FS et FSNavigator - 0,81 Kg / L</source>
        <translation>NB: units as used in FS and FSNavigator - 0.81 kg / L</translation>
    </message>
    <message>
        <source>Rafraichir</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>frmDescente</name>
    <message>
        <source>0 kts</source>
        <translation>0 kt</translation>
    </message>
    <message>
        <source>0 ft/mn</source>
        <translation>0 ft/min</translation>
    </message>
    <message>
        <source>Taux, distance, Vs, Tsv    montée / descente </source>
        <translation>Rate, distance, GS, NWT    climb / descent </translation>
    </message>
    <message>
        <source>Taux montée / descente</source>
        <translation>Climb / descent rate</translation>
    </message>
    <message>
        <source>Distance montée / descente</source>
        <translation>Climb / descent distance</translation>
    </message>
    <message>
        <source>Vitesse sol montée / descente</source>
        <translation>Climb / descent ground speed</translation>
    </message>
    <message>
        <source> Du point A au point B</source>
        <translation> From point A to point B</translation>
    </message>
    <message>
        <source>Suivre le simulateur</source>
        <translation>Follow the simulator</translation>
    </message>
    <message>
        <source>Taux - montée / descente</source>
        <translation>Rate - climb / descent</translation>
    </message>
    <message>
        <source>Calcul du taux de montée Vz ( vitesse verticale ) ou de descente à adopter pour rejoindre à un point donné, une altitude donnée.</source>
        <translation>The rate of climb or descent ( vertical speed, VS ) to fly to reach a given altitude at a given point.</translation>
    </message>
    <message>
        <source>Changement d&apos;altitude ( pieds )</source>
        <translation>Altitude change ( ft )</translation>
    </message>
    <message>
        <source>Altitude point A</source>
        <translation>Point A altitude</translation>
    </message>
    <message>
        <source>Altitude point B</source>
        <translation>Point B altitude</translation>
    </message>
    <message>
        <source>0 &apos;</source>
        <translation>0 &apos;</translation>
    </message>
    <message>
        <source>Distance entre A et B ( miles nautiques )</source>
        <translation>Distance from A to B ( nautical miles )</translation>
    </message>
    <message>
        <source>Pente en pourcentage</source>
        <translation>Slope in percent</translation>
    </message>
    <message>
        <source>Pente en degrés</source>
        <translation>Slope in degrees</translation>
    </message>
    <message>
        <source>Vitesse sol en neuds </source>
        <translation>Ground speed in kt </translation>
    </message>
    <message>
        <source>Tsv - Temps sans vent</source>
        <translation>NWT - No-wind time</translation>
    </message>
    <message>
        <source>Distance - montée / descente</source>
        <translation>Distance - climb / descent</translation>
    </message>
    <message>
        <source>Calcul de la distance requise en fonction du taux de montée ou de descente adopté pour rejoindre une altitude donnée.</source>
        <translation>The distance needed to reach a given altitude at the chosen rate of climb or descent.</translation>
    </message>
    <message>
        <source>Vario de montée ou descente ( pieds / mn )</source>
        <translation>Rate of climb or descent ( ft / min )</translation>
    </message>
    <message>
        <source>Distance requise</source>
        <translation>Distance needed</translation>
    </message>
    <message>
        <source>Vitesse sol - montée / descente</source>
        <translation>Ground speed - climb / descent</translation>
    </message>
    <message>
        <source>Calcul de la vitesse sol à afficher en fonction du taux de montée ou de descente, du vario et la distance souhaités.</source>
        <translation>The ground speed to fly for the chosen rate of climb or descent and distance.</translation>
    </message>
    <message>
        <source>Vitesse sol requise</source>
        <translation>Ground speed needed</translation>
    </message>
    <message>
        <source>Rafraichir</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>frmLog</name>
    <message>
        <source>Heure réelle douteuse : l&apos;étape durerait plus de 12 heures</source>
        <translation>Doubtful actual time: the leg would last more than 12 hours</translation>
    </message>
    <message>
        <source>Log de navigation</source>
        <translation>Navigation log</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Il faut entrer un nombre</source>
        <translation>Please enter a number</translation>
    </message>
    <message>
        <source>Log de navigation (*.vlog)</source>
        <translation>Navigation log (*.vlog)</translation>
    </message>
    <message>
        <source>Un log de navigation n&apos;avait pas été enregistré. Le reprendre ?</source>
        <translation>A navigation log was not saved. Recover it?</translation>
    </message>
    <message>
        <source>Le log non enregistré de la dernière fois ne peut pas être repris. %1 Il reste dans « %2 », et ce log-ci n&apos;aura pas de copie de secours.</source>
        <translation>The unsaved log from last time cannot be recovered. %1 It stays in “%2”, and this log will have no backup copy.</translation>
    </message>
    <message>
        <source>Le log non enregistré de la dernière fois ne peut pas être repris. %1 Il est gardé à part dans « %2 ».</source>
        <translation>The unsaved log from last time cannot be recovered. %1 It is kept aside in “%2”.</translation>
    </message>
    <message>
        <source>Ouvrir un log de navigation</source>
        <translation>Open a navigation log</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir « %1 » : %2</source>
        <translation>Cannot open “%1”: %2</translation>
    </message>
    <message>
        <source>Enregistrer le log de navigation</source>
        <translation>Save the navigation log</translation>
    </message>
    <message>
        <source>Le log n&apos;a pas été imprimé : %1</source>
        <translation>The log was not printed: %1</translation>
    </message>
    <message>
        <source>Exporter le log en CSV</source>
        <translation>Export the log as CSV</translation>
    </message>
    <message>
        <source>Fichier CSV (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>Plans de vol (*.fms *.fgfp *.xml *.lnmpln *.pln *.gpx);;Tous les fichiers (*)</source>
        <translation>Flight plans (*.fms *.fgfp *.xml *.lnmpln *.pln *.gpx);;All files (*)</translation>
    </message>
    <message>
        <source>Importer un plan de vol</source>
        <translation>Import a flight plan</translation>
    </message>
    <message>
        <source>Impossible d&apos;importer « %1 » : %2</source>
        <translation>Cannot import “%1”: %2</translation>
    </message>
    <message>
        <source>Le log compte déjà %1 étapes.</source>
        <translation>The log already has %1 legs.</translation>
    </message>
    <message>
        <source>Aucun simulateur relié</source>
        <translation>No simulator linked</translation>
    </message>
    <message>
        <source>%1 : pas de données</source>
        <translation>%1: no data</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Aucune étape</source>
        <translation>No leg</translation>
    </message>
    <message>
        <source>pas de vent reçu</source>
        <translation>no wind received</translation>
    </message>
    <message>
        <source>pas de Vp reçue</source>
        <translation>no TAS received</translation>
    </message>
    <message>
        <source>Aucune étape après l&apos;étape en cours</source>
        <translation>No leg after the current leg</translation>
    </message>
    <message>
        <source>Étape en cours</source>
        <translation>Current leg</translation>
    </message>
    <message>
        <source>ordinateur</source>
        <translation>computer</translation>
    </message>
    <message>
        <source>Horloge : %1, UTC</source>
        <translation>Clock: %1, UTC</translation>
    </message>
    <message>
        <source>Horloge : %1, heure locale</source>
        <translation>Clock: %1, local time</translation>
    </message>
    <message>
        <source>De</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Vp (kt)</source>
        <translation>TAS (kt)</translation>
    </message>
    <message>
        <source>Départ</source>
        <translation>Dep.</translation>
    </message>
    <message>
        <source>Carburant</source>
        <translation>Fuel</translation>
    </message>
    <message>
        <source>Conso/h</source>
        <translation>Fuel/h</translation>
    </message>
    <message>
        <source>Réserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Unité de carburant</source>
        <translation>Fuel unit</translation>
    </message>
    <message>
        <source>US Gallons</source>
        <translation>US gallons</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Litres</translation>
    </message>
    <message>
        <source>Pounds (Lbs)</source>
        <translation>Pounds (lb)</translation>
    </message>
    <message>
        <source>Kilogrammes</source>
        <translation>Kilograms</translation>
    </message>
    <message>
        <source>Triangle exact</source>
        <translation>Exact triangle</translation>
    </message>
    <message>
        <source>Heure locale</source>
        <translation>Local time</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Horloge : ordinateur, heure locale</source>
        <translation>Clock: computer, local time</translation>
    </message>
    <message>
        <source>Top automatique</source>
        <translation>Auto time mark</translation>
    </message>
    <message>
        <source>Repère</source>
        <translation>Waypoint</translation>
    </message>
    <message>
        <source>Rm</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Dist</translation>
    </message>
    <message>
        <source>V</source>
        <translation>WD</translation>
    </message>
    <message>
        <source>Vw</source>
        <translation>WS</translation>
    </message>
    <message>
        <source>HR</source>
        <translation>ATA</translation>
    </message>
    <message>
        <source>Dérive</source>
        <translation>Drift</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>HDG</translation>
    </message>
    <message>
        <source>Vs</source>
        <translation>GS</translation>
    </message>
    <message>
        <source>Cap exact</source>
        <translation>Ex. HDG</translation>
    </message>
    <message>
        <source>Vs exacte</source>
        <translation>Exact GS</translation>
    </message>
    <message>
        <source>Vs réelle</source>
        <translation>Act. GS</translation>
    </message>
    <message>
        <source>Tsv</source>
        <translation>NWT</translation>
    </message>
    <message>
        <source>Tav</source>
        <translation>ETE</translation>
    </message>
    <message>
        <source>Cumul</source>
        <translation>Elapsed</translation>
    </message>
    <message>
        <source>HE</source>
        <translation>ETA</translation>
    </message>
    <message>
        <source>Carbu.</source>
        <translation>Fuel</translation>
    </message>
    <message>
        <source>Reste</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Étapes</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>Distance totale</source>
        <translation>Total distance</translation>
    </message>
    <message>
        <source>Tsv total</source>
        <translation>Tot. NWT</translation>
    </message>
    <message>
        <source>Tav total</source>
        <translation>Total ETE</translation>
    </message>
    <message>
        <source>Consommé</source>
        <translation>Fuel used</translation>
    </message>
    <message>
        <source>À l&apos;arrivée</source>
        <translation>At arrival</translation>
    </message>
    <message>
        <source>Annuler la suppression</source>
        <translation>Undo delete</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Insérer</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Monter</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Descendre</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Ouvrir...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Importer...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Imprimer...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Mark time</translation>
    </message>
    <message>
        <source>Top départ</source>
        <translation>Mark departure</translation>
    </message>
    <message>
        <source>Vent du simulateur</source>
        <translation>Simulator wind</translation>
    </message>
    <message>
        <source>Ce vent aux étapes suivantes</source>
        <translation>This wind for the next legs</translation>
    </message>
    <message>
        <source>Vp du simulateur</source>
        <translation>Simulator TAS</translation>
    </message>
</context>
<context>
    <name>frmMainCalc</name>
    <message>
        <source>Ventrose pour FS</source>
        <translation>Ventrose for FS</translation>
    </message>
    <message>
        <source>Influence du vent - Calcul de dérive - Vol à l&apos;estime</source>
        <translation>Wind effect - Drift calculation - Dead reckoning</translation>
    </message>
    <message>
        <source>Entrée des données</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Vp = Vitesse propre ou TAS </source>
        <translation>TAS = True airspeed </translation>
    </message>
    <message>
        <source>CAP - Route magnétique suivie ( Rm ) </source>
        <translation>Magnetic course flown ( MC ) </translation>
    </message>
    <message>
        <source>Direction du vent ( V )</source>
        <translation>Wind direction ( WD )</translation>
    </message>
    <message>
        <source>Force du vent ( Vw en Kts )</source>
        <translation>Wind speed ( WS in kt )</translation>
    </message>
    <message>
        <source>Calcul du Temps de vol ou de la Distance qui devrait être parcourue</source>
        <translation>Flight time, or the distance that should be flown</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Distance ( D ) à parcourir en NM</source>
        <translation>Distance ( D ) to fly in NM</translation>
    </message>
    <message>
        <source>Temps sans vent ( en minutes ) </source>
        <translation>No-wind time ( in minutes ) </translation>
    </message>
    <message>
        <source>TEMPS SANS VENT                            ( Tsv soit Vp = Vs )  ( Tsv = D . Fb )</source>
        <translation>NO-WIND TIME                                    ( NWT, TAS = GS )  ( NWT = D . BF )</translation>
    </message>
    <message>
        <source>DISTANCE ( D ) en miles nautiques       ( D = Tsv . Inverse Fb )  </source>
        <translation>DISTANCE ( D ) in nautical miles       ( D = NWT . Inverse BF )  </translation>
    </message>
    <message>
        <source>Temps avec vent</source>
        <translation>Time with wind</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>FACTEUR DE BASE ( Fb = 60 / Vp )</source>
        <translation>BASE FACTOR ( BF = 60 / TAS )</translation>
    </message>
    <message>
        <source>Inverse Fb ( 1/Fb ) distance en NM parcourue en 1 minute</source>
        <translation>Inverse BF ( 1/BF ) distance in NM flown in 1 minute</translation>
    </message>
    <message>
        <source>DERIVE MAXIMUM ( X = Vw . Fb )</source>
        <translation>MAXIMUM DRIFT ( X = WS . BF )</translation>
    </message>
    <message>
        <source>ANGLE AU VENT ( alpha = V -/+ Rm )</source>
        <translation>WIND ANGLE ( alpha = WD -/+ MC )</translation>
    </message>
    <message>
        <source>Type vent :</source>
        <translation>Wind type:</translation>
    </message>
    <message>
        <source>Sinus d&apos;alpha :</source>
        <translation>Sine of alpha:</translation>
    </message>
    <message>
        <source>Cosinus d&apos;alpha :</source>
        <translation>Cosine of alpha:</translation>
    </message>
    <message>
        <source>Vent Traversier ( Vt = Vw . sinus alpha )</source>
        <translation>Crosswind ( XW = WS . sine alpha )</translation>
    </message>
    <message>
        <source>DERIVE ( d = X . sin alpha )</source>
        <translation>DRIFT ( d = X . sin alpha )</translation>
    </message>
    <message>
        <source>CAP A PRENDRE :</source>
        <translation>HEADING TO FLY:</translation>
    </message>
    <message>
        <source>Vitesse Sol ( Vs = Vp +/- Ve )</source>
        <translation>Ground speed ( GS = TAS +/- WC )</translation>
    </message>
    <message>
        <source>EFFET DU VENT ( Tc = Ve . Fb )</source>
        <translation>WIND EFFECT ( TC = WC . BF )</translation>
    </message>
    <message>
        <source>Vent Effectif ( Ve = Vw . cos alpha )</source>
        <translation>Wind component ( WC = WS . cos alpha )</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversions</translation>
    </message>
    <message>
        <source>IAS to TAS</source>
        <translation>IAS to TAS</translation>
    </message>
    <message>
        <source>Taux Descente</source>
        <translation>Descent rate</translation>
    </message>
    <message>
        <source>Log de navigation</source>
        <translation>Navigation log</translation>
    </message>
    <message>
        <source>A propos ...</source>
        <translation>About ...</translation>
    </message>
    <message>
        <source>Rafraichir</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Triangle exact</source>
        <translation>Exact triangle</translation>
    </message>
    <message>
        <source>Suivre le simulateur</source>
        <translation>Follow the simulator</translation>
    </message>
</context>
<context>
    <name>frmQuit</name>
    <message>
        <source>A propos de ....</source>
        <translation>About ....</translation>
    </message>
    <message>
        <source>Ventrose pour Flight Simulator</source>
        <translation>Ventrose for Flight Simulator</translation>
    </message>
    <message>
        <source>Conçu par l&apos;équipe Ventrose</source>
        <translation>Designed by the Ventrose team</translation>
    </message>
    <message>
        <source>Pilotes virtuels de l&apos;aéro-club Ventrose</source>
        <translation>Virtual pilots of the Ventrose flying club</translation>
    </message>
    <message>
        <source>Version 1.0 - 03/2006</source>
        <translation>Version 1.0 - 03/2006</translation>
    </message>
    <message>
        <source>Logiciel libre, distribution gratuite</source>
        <translation>Free software, distributed free of charge</translation>
    </message>
    <message>
        <source>Contact - suggestions</source>
        <translation>Contact - suggestions</translation>
    </message>
    <message>
        <source>contact@ventrose.example</source>
        <translation>contact@ventrose.example</translation>
    </message>
</context>
<context>
    <name>frmVitesse</name>
    <message>
        <source>La vitesse indiquée n&apos;est pas représentative<byte value="xd"/>
de la vitesse par rapport à la masse d&apos;air.<byte value="xd"/>
Il faut apporter 2 corrections à cette Vi :<byte value="xd"/>
 1. Une correction de densité : Vp = Vi + 1% (par 600&apos;)<byte value="xd"/>
 2. Une correction de températue : Vp = Vi +/- 1% (par 5°)</source>
        <translation>The indicated airspeed does not tell<byte value="xd"/>
the speed through the air mass.<byte value="xd"/>
Two corrections must be made to this IAS:<byte value="xd"/>
 1. A density correction: TAS = IAS + 1% (per 600&apos;)<byte value="xd"/>
 2. A temperature correction: TAS = IAS +/- 1% (per 5°)</translation>
    </message>
    <message>
        <source>La température est de 15°C en atmosphère standard,<byte value="xd"/>
elle décroit de 2°C / 1000ft - 6.5°C / 1000m jusqu&apos;à une<byte value="xd"/>
altitude de 35500ft (11000 m).<byte value="xd"/>
Au delà, elle reste constante à -56°C</source>
        <translation>The temperature is 15°C in the standard atmosphere;<byte value="xd"/>
it falls by 2°C / 1000 ft - 6.5°C / 1000 m up to an<byte value="xd"/>
altitude of 35500 ft (11000 m).<byte value="xd"/>
Above, it stays constant at -56°C</translation>
    </message>
    <message>
        <source>Il faut entrer un nombre</source>
        <translation>Please enter a number</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Simulateur : %1</source>
        <translation>Simulator: %1</translation>
    </message>
    <message>
        <source>Calcul : Vitesse Indiquée &gt; Vitesse Propre</source>
        <translation>Calculation: Indicated Airspeed &gt; True Airspeed</translation>
    </message>
    <message>
        <source>Vi = Vitesse indiquée ou vitesse lue sur l&apos;anémomêtre ( IAS ) </source>
        <translation>IAS = Indicated airspeed, as read on the airspeed indicator </translation>
    </message>
    <message>
        <source>Température de l&apos;air ( Celsius ) en atmosphère type ( 1013 Hpa )</source>
        <translation>Air temperature ( Celsius ) in the standard atmosphere ( 1013 hPa )</translation>
    </message>
    <message>
        <source>Pression atmosphère type ( HectoPascal )</source>
        <translation>Standard atmosphere pressure ( hectopascals )</translation>
    </message>
    <message>
        <source>Si la température extérieure n&apos;est pas standard, entrer la température vraie à l&apos;altitude souhaitée ( en degrés Celsius ) et valider avec OK</source>
        <translation>If the outside air temperature is not standard, enter the true temperature at the chosen altitude ( in degrees Celsius ) and confirm with OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vp = Vitesse propre réelle ( TAS ) </source>
        <translation>TAS = True airspeed </translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>niveau de la mer</source>
        <translation>sea level</translation>
    </message>
    <message>
        <source>Vp exacte et Mach ( atmosphère standard, compressibilité )</source>
        <translation>Exact TAS and Mach ( standard atmosphere, compressibility )</translation>
    </message>
    <message>
        <source>Suivre le simulateur</source>
        <translation>Follow the simulator</translation>
    </message>
</context>
</TS>
