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
    <name>DisplayMenu</name>
    <message>
        <source>Sous Wayland, une fenêtre ne peut pas se garder au premier plan : lancer Ventrose avec QT_QPA_PLATFORM=xcb</source>
        <translation>Under Wayland a window cannot keep itself on top: run Ventrose with QT_QPA_PLATFORM=xcb</translation>
    </message>
    <message>
        <source>Jour</source>
        <translation>Day (Jour)</translation>
    </message>
    <message>
        <source>Nuit</source>
        <translation>Night (Nuit)</translation>
    </message>
    <message>
        <source>Nuit rouge</source>
        <translation>Red night (Nuit rouge)</translation>
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
        <translation>Unknown simulator “%1”: choose xplane, flightgear or aucun (none).</translation>
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
