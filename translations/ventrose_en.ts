<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
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
    <message>
        <source>&gt; 32767 mn</source>
        <translation>&gt; 32767 min</translation>
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
        <translation>The option “--sim” needs a simulator: xplane, flightgear or aucun (none). See ventrose --help.</translation>
    </message>
    <message>
        <source>L&apos;option « --langue » demande une langue : fr ou en. Voir ventrose --help.</source>
        <translation>The option “--langue” needs a language: fr or en. See ventrose --help.</translation>
    </message>
    <message>
        <source>L&apos;option « --palette » demande une palette : jour, nuit ou nuit-rouge. Voir ventrose --help.</source>
        <translation>The option “--palette” needs a palette: jour (day), nuit (night) or nuit-rouge (red night). See ventrose --help.</translation>
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
        <translation>Unknown palette “%1”: choose jour (day), nuit (night) or nuit-rouge (red night).</translation>
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
        <translation>Draws the windows in jour (day: the program&apos;s colours), nuit (night: dark colours) or nuit-rouge (red night: red on black).</translation>
    </message>
    <message>
        <source>Oublie ce que le programme a retenu des séances précédentes : la place des fenêtres, le premier plan et les couleurs.</source>
        <translation>Forgets what the program kept from earlier sessions: the windows&apos; places, staying on top and the colours.</translation>
    </message>
    <message>
        <source>Suit le simulateur : xplane[:MACHINE[:PORT]] (X-Plane, port UDP 49000 par défaut), flightgear[:MACHINE[:PORT]] (FlightGear lancé avec --telnet=5401, port 5401 par défaut) ou aucun. MACHINE : 127.0.0.1 par défaut. Retenu pour les séances suivantes.</source>
        <translation>Follows the simulator: xplane[:HOST[:PORT]] (X-Plane, UDP port 49000 by default), flightgear[:HOST[:PORT]] (FlightGear started with --telnet=5401, port 5401 by default) or aucun (none). HOST: 127.0.0.1 by default. Kept for the next sessions.</translation>
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
    <name>frmLog</name>
    <message>
        <source>cap impossible : vent traversier &gt; Vp</source>
        <translation>no heading possible: crosswind &gt; TAS</translation>
    </message>
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
        <source>Carburant</source>
        <translation>Fuel</translation>
    </message>
    <message>
        <source>Réserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Départ</source>
        <translation>Dep.</translation>
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
        <source>Vp (kt)</source>
        <translation>TAS (kt)</translation>
    </message>
    <message>
        <source>Conso/h</source>
        <translation>Fuel/h</translation>
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
</TS>
