<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>CalculDist</name>
    <message>
        <source>0 mn</source>
        <translation>0 min</translation>
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
    <name>SimInputs</name>
    <message>
        <source>0 Kts</source>
        <translation>0 kt</translation>
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
