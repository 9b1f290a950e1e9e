<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="nl_NL">
<context>
    <name>BaselineController</name>
    <message>
        <source>Vergelijk met...</source>
        <translation>Vergelijk met...</translation>
    </message>
    <message>
        <source>Een investeringsbestand openen als basis om deze portefeuille mee te vergelijken</source>
        <translation>Een investeringsbestand openen als basis om deze portefeuille mee te vergelijken</translation>
    </message>
    <message>
        <source>Huidige als basis vastleggen</source>
        <translation>Huidige als basis vastleggen</translation>
    </message>
    <message>
        <source>Een kopie van deze portefeuille bewaren om latere wijzigingen mee te vergelijken</source>
        <translation>Een kopie van deze portefeuille bewaren om latere wijzigingen mee te vergelijken</translation>
    </message>
    <message>
        <source>Vergelijking wissen</source>
        <translation>Vergelijking wissen</translation>
    </message>
    <message>
        <source>De basis loslaten; het venster toont weer alleen deze portefeuille</source>
        <translation>De basis loslaten; het venster toont weer alleen deze portefeuille</translation>
    </message>
    <message>
        <source>Maandelijkse cashflow van de basis in het gekozen jaar</source>
        <translation>Maandelijkse cashflow van de basis in het gekozen jaar</translation>
    </message>
    <message>
        <source>Nettowaarde van de basis in het gekozen jaar</source>
        <translation>Nettowaarde van de basis in het gekozen jaar</translation>
    </message>
    <message>
        <source>Maandelijkse cashflow van deze portefeuille min die van de basis</source>
        <translation>Maandelijkse cashflow van deze portefeuille min die van de basis</translation>
    </message>
    <message>
        <source>Nettowaarde van deze portefeuille min die van de basis</source>
        <translation>Nettowaarde van deze portefeuille min die van de basis</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Bestand kan niet worden geopend</translation>
    </message>
    <message>
        <source>%1 (vastgelegd)</source>
        <translation>%1 (vastgelegd)</translation>
    </message>
    <message>
        <source>Basis: %1</source>
        <translation>Basis: %1</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Verschil</source>
        <translation>Verschil</translation>
    </message>
</context>
<context>
    <name>Box3Assumptions</name>
    <message>
        <source>zoals %1: %2</source>
        <translation>zoals %1: %2</translation>
    </message>
    <message>
        <source>eigen waarde</source>
        <translation>eigen waarde</translation>
    </message>
    <message>
        <source>zoals %1: eigen waarde</source>
        <translation>zoals %1: eigen waarde</translation>
    </message>
</context>
<context>
    <name>ChartData</name>
    <message>
        <source>Maandelijkse Cashflow</source>
        <translation>Maandelijkse Cashflow</translation>
    </message>
    <message>
        <source>Netto vermogen</source>
        <translation>Netto vermogen</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>De grafiek kon niet worden getekend.</source>
        <translation>De grafiek kon niet worden getekend.</translation>
    </message>
</context>
<context>
    <name>ChartMath</name>
    <message>
        <source> mld</source>
        <translation> mld</translation>
    </message>
    <message>
        <source> mln</source>
        <translation> mln</translation>
    </message>
</context>
<context>
    <name>ColumnCatalogue</name>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Jaartal</source>
        <translation>Jaartal</translation>
    </message>
    <message>
        <source>Inleg/1x</source>
        <translation>Inleg/1x</translation>
    </message>
    <message>
        <source>Inleg/maand</source>
        <translation>Inleg/maand</translation>
    </message>
    <message>
        <source>Inleg periode(j)</source>
        <translation>Inleg periode(j)</translation>
    </message>
    <message>
        <source>Kostprijs</source>
        <translation>Kostprijs</translation>
    </message>
    <message>
        <source>Huur/maand</source>
        <translation>Huur/maand</translation>
    </message>
    <message>
        <source>Huurstijging/j(%)</source>
        <translation>Huurstijging/j(%)</translation>
    </message>
    <message>
        <source>Waardestijging/j(%)</source>
        <translation>Waardestijging/j(%)</translation>
    </message>
    <message>
        <source>LTV(%)</source>
        <translation>LTV(%)</translation>
    </message>
    <message>
        <source>rente(%)</source>
        <translation>rente(%)</translation>
    </message>
    <message>
        <source>Hypotheek jaren</source>
        <translation>Hypotheek jaren</translation>
    </message>
    <message>
        <source>Rendement</source>
        <translation>Rendement</translation>
    </message>
    <message>
        <source>BeginJaar</source>
        <translation>BeginJaar</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Vastgoed</source>
        <translation>Vastgoed</translation>
    </message>
    <message>
        <source>Activa</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Eigen inbreng</source>
        <translation>Eigen inbreng</translation>
    </message>
    <message>
        <source>Schulden</source>
        <translation>Schulden</translation>
    </message>
    <message>
        <source>Maandelijkse Inkomsten</source>
        <translation>Maandelijkse Inkomsten</translation>
    </message>
    <message>
        <source>Maandelijkse lasten</source>
        <translation>Maandelijkse lasten</translation>
    </message>
    <message>
        <source>Maandelijkse CashFlow</source>
        <translation>Maandelijkse CashFlow</translation>
    </message>
    <message>
        <source>ROI(%)</source>
        <translation>ROI(%)</translation>
    </message>
</context>
<context>
    <name>ColumnHelp</name>
    <message>
        <source>Type: de soort investering van deze rij (kies uit de lijst)</source>
        <translation>Type: de soort investering van deze rij (kies uit de lijst)</translation>
    </message>
    <message>
        <source>Jaartal: het jaar waarin de investering begint, bv 2020</source>
        <translation>Jaartal: het jaar waarin de investering begint, bv 2020</translation>
    </message>
    <message>
        <source>Inleg/1x: het bedrag dat u eenmalig inlegt, in euro</source>
        <translation>Inleg/1x: het bedrag dat u eenmalig inlegt, in euro</translation>
    </message>
    <message>
        <source>Inleg/maand: het bedrag dat u elke maand inlegt, in euro</source>
        <translation>Inleg/maand: het bedrag dat u elke maand inlegt, in euro</translation>
    </message>
    <message>
        <source>Inleg periode(j): hoeveel jaar u inlegt; bij Cash voor cashflow de looptijd van de lening, in jaren</source>
        <translation>Inleg periode(j): hoeveel jaar u inlegt; bij Cash voor cashflow de looptijd van de lening, in jaren</translation>
    </message>
    <message>
        <source>Kostprijs: de aankoopprijs van het onderpand, in euro; bij Cash voor cashflow de minimale inleg</source>
        <translation>Kostprijs: de aankoopprijs van het onderpand, in euro; bij Cash voor cashflow de minimale inleg</translation>
    </message>
    <message>
        <source>Huur/maand: de netto huur die het onderpand per maand opbrengt, in euro</source>
        <translation>Huur/maand: de netto huur die het onderpand per maand opbrengt, in euro</translation>
    </message>
    <message>
        <source>Huurstijging/j(%): hoeveel de huur per jaar stijgt, in procent (3 betekent 3 %)</source>
        <translation>Huurstijging/j(%): hoeveel de huur per jaar stijgt, in procent (3 betekent 3 %)</translation>
    </message>
    <message>
        <source>Waardestijging/j(%): hoeveel het onderpand per jaar in waarde stijgt, in procent</source>
        <translation>Waardestijging/j(%): hoeveel het onderpand per jaar in waarde stijgt, in procent</translation>
    </message>
    <message>
        <source>LTV(%): het deel van de kostprijs dat u leent (loan-to-value), in procent</source>
        <translation>LTV(%): het deel van de kostprijs dat u leent (loan-to-value), in procent</translation>
    </message>
    <message>
        <source>rente(%): de hypotheekrente per jaar, in procent</source>
        <translation>rente(%): de hypotheekrente per jaar, in procent</translation>
    </message>
    <message>
        <source>Hypotheek jaren: de looptijd van de hypotheek, in jaren</source>
        <translation>Hypotheek jaren: de looptijd van de hypotheek, in jaren</translation>
    </message>
    <message>
        <source>Rendement: de opbrengst per jaar, in procent van het ingelegde bedrag</source>
        <translation>Rendement: de opbrengst per jaar, in procent van het ingelegde bedrag</translation>
    </message>
    <message>
        <source>BeginJaar: het jaar waarin de investering begon</source>
        <translation>BeginJaar: het jaar waarin de investering begon</translation>
    </message>
    <message>
        <source>Cash: het geld dat de investering tot dit jaar heeft opgeleverd min wat u erin stak, in euro</source>
        <translation>Cash: het geld dat de investering tot dit jaar heeft opgeleverd min wat u erin stak, in euro</translation>
    </message>
    <message>
        <source>Vastgoed: de waarde van het onderpand in dit jaar, in euro</source>
        <translation>Vastgoed: de waarde van het onderpand in dit jaar, in euro</translation>
    </message>
    <message>
        <source>Activa: cash plus de waarde van het onderpand, in euro</source>
        <translation>Activa: cash plus de waarde van het onderpand, in euro</translation>
    </message>
    <message>
        <source>Eigen inbreng: het eigen geld dat u in de investering stak, in euro</source>
        <translation>Eigen inbreng: het eigen geld dat u in de investering stak, in euro</translation>
    </message>
    <message>
        <source>Schulden: de resterende aflossingen inclusief rente, in euro</source>
        <translation>Schulden: de resterende aflossingen inclusief rente, in euro</translation>
    </message>
    <message>
        <source>Maandelijkse Inkomsten: huur of rente die de investering per maand opbrengt, in euro</source>
        <translation>Maandelijkse Inkomsten: huur of rente die de investering per maand opbrengt, in euro</translation>
    </message>
    <message>
        <source>Maandelijkse lasten: de maandelijkse aflossing met rente, in euro</source>
        <translation>Maandelijkse lasten: de maandelijkse aflossing met rente, in euro</translation>
    </message>
    <message>
        <source>Maandelijkse CashFlow: inkomsten min lasten per maand, in euro</source>
        <translation>Maandelijkse CashFlow: inkomsten min lasten per maand, in euro</translation>
    </message>
    <message>
        <source>ROI(%): het rendement op de eigen inbreng (activa min schulden tegenover de eigen inbreng), in procent</source>
        <translation>ROI(%): het rendement op de eigen inbreng (activa min schulden tegenover de eigen inbreng), in procent</translation>
    </message>
    <message>
        <source>Schulden: de resterende hoofdsom van de hypotheek, na de aflossingen tot dit jaar, in euro</source>
        <translation>Schulden: de resterende hoofdsom van de hypotheek, na de aflossingen tot dit jaar, in euro</translation>
    </message>
</context>
<context>
    <name>CostTaxController</name>
    <message>
        <source>Kosten en belasting...</source>
        <translation>Kosten en belasting...</translation>
    </message>
    <message>
        <source>Kosten van vastgoed en de Box 3-belasting die de doorrekening aanneemt (standaard uit)</source>
        <translation>Kosten van vastgoed en de Box 3-belasting die de doorrekening aanneemt (standaard uit)</translation>
    </message>
</context>
<context>
    <name>CostTaxDialog</name>
    <message>
        <source>Kosten en belasting</source>
        <translation>Kosten en belasting</translation>
    </message>
    <message>
        <source>Kosten van vastgoed (type 0 en 1)</source>
        <translation>Kosten van vastgoed (type 0 en 1)</translation>
    </message>
    <message>
        <source>Kosten koper</source>
        <translation>Kosten koper</translation>
    </message>
    <message>
        <source>Overdrachtsbelasting, notaris en makelaar als percentage van de kostprijs, betaald in het startjaar (8 % overdrachtsbelasting voor een woning die u niet zelf bewoont, vanaf 2026)</source>
        <translation>Overdrachtsbelasting, notaris en makelaar als percentage van de kostprijs, betaald in het startjaar (8 % overdrachtsbelasting voor een woning die u niet zelf bewoont, vanaf 2026)</translation>
    </message>
    <message>
        <source>Onderhoud per jaar</source>
        <translation>Onderhoud per jaar</translation>
    </message>
    <message>
        <source>Onderhoud als percentage van de waarde van het vastgoed in dat jaar, per jaar</source>
        <translation>Onderhoud als percentage van de waarde van het vastgoed in dat jaar, per jaar</translation>
    </message>
    <message>
        <source>Vaste lasten per jaar</source>
        <translation>Vaste lasten per jaar</translation>
    </message>
    <message>
        <source>OZB, verzekering en VvE als percentage van de waarde van het vastgoed in dat jaar, per jaar</source>
        <translation>OZB, verzekering en VvE als percentage van de waarde van het vastgoed in dat jaar, per jaar</translation>
    </message>
    <message>
        <source>Leegstand</source>
        <translation>Leegstand</translation>
    </message>
    <message>
        <source>Het deel van de huur dat niet binnenkomt, als percentage van de huur</source>
        <translation>Het deel van de huur dat niet binnenkomt, als percentage van de huur</translation>
    </message>
    <message>
        <source>Beheer</source>
        <translation>Beheer</translation>
    </message>
    <message>
        <source>Beheerkosten als percentage van de ontvangen huur (na leegstand)</source>
        <translation>Beheerkosten als percentage van de ontvangen huur (na leegstand)</translation>
    </message>
    <message>
        <source>Box 3 (sparen en beleggen)</source>
        <translation>Box 3 (sparen en beleggen)</translation>
    </message>
    <message>
        <source>Uit</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Forfaitair rendement</source>
        <translation>Forfaitair rendement</translation>
    </message>
    <message>
        <source>Werkelijk rendement vanaf 2028</source>
        <translation>Werkelijk rendement vanaf 2028</translation>
    </message>
    <message>
        <source>Uit: geen Box 3. Forfaitair: elk jaar over het vermogen op 1 januari met de forfaitaire rendementen. Werkelijk rendement vanaf 2028: tot en met 2027 forfaitair, daarna over het directe rendement</source>
        <translation>Uit: geen Box 3. Forfaitair: elk jaar over het vermogen op 1 januari met de forfaitaire rendementen. Werkelijk rendement vanaf 2028: tot en met 2027 forfaitair, daarna over het directe rendement</translation>
    </message>
    <message>
        <source>Box 3-stelsel</source>
        <translation>Box 3-stelsel</translation>
    </message>
    <message>
        <source>Stelsel</source>
        <translation>Stelsel</translation>
    </message>
    <message>
        <source>Fiscale partners</source>
        <translation>Fiscale partners</translation>
    </message>
    <message>
        <source>Met een fiscale partner tellen het heffingvrije vermogen, de schuldendrempel en het heffingvrije rendement dubbel</source>
        <translation>Met een fiscale partner tellen het heffingvrije vermogen, de schuldendrempel en het heffingvrije rendement dubbel</translation>
    </message>
    <message>
        <source>Het deel van de waarde van het vastgoed dat als WOZ-waarde telt voor Box 3 (100 %: de volle waarde)</source>
        <translation>Het deel van de waarde van het vastgoed dat als WOZ-waarde telt voor Box 3 (100 %: de volle waarde)</translation>
    </message>
    <message>
        <source>WOZ-factor</source>
        <translation>WOZ-factor</translation>
    </message>
    <message>
        <source>Jaar</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Tarief %</source>
        <translation>Tarief %</translation>
    </message>
    <message>
        <source>Heffingvrij p.p.</source>
        <translation>Heffingvrij p.p.</translation>
    </message>
    <message>
        <source>Bank %</source>
        <translation>Bank %</translation>
    </message>
    <message>
        <source>Overig %</source>
        <translation>Overig %</translation>
    </message>
    <message>
        <source>Schulden %</source>
        <translation>Schulden %</translation>
    </message>
    <message>
        <source>Drempel p.p.</source>
        <translation>Drempel p.p.</translation>
    </message>
    <message>
        <source>Bron</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>De Box 3-regels per belastingjaar. Een waarde is te wijzigen; de bron staat in de tip van elke waarde. Een jaar na 2026 zonder eigen waarde neemt de waarden van het jaar ervoor over</source>
        <translation>De Box 3-regels per belastingjaar. Een waarde is te wijzigen; de bron staat in de tip van elke waarde. Een jaar na 2026 zonder eigen waarde neemt de waarden van het jaar ervoor over</translation>
    </message>
    <message>
        <source>Box 3-regels per jaar</source>
        <translation>Box 3-regels per jaar</translation>
    </message>
    <message>
        <source>Een later belastingjaar om eigen waarden voor in te voeren</source>
        <translation>Een later belastingjaar om eigen waarden voor in te voeren</translation>
    </message>
    <message>
        <source>Nieuw belastingjaar</source>
        <translation>Nieuw belastingjaar</translation>
    </message>
    <message>
        <source>Jaar toevoegen</source>
        <translation>Jaar toevoegen</translation>
    </message>
    <message>
        <source>Voegt het gekozen jaar toe aan de tabel, met de waarden van het jaar ervoor</source>
        <translation>Voegt het gekozen jaar toe aan de tabel, met de waarden van het jaar ervoor</translation>
    </message>
    <message>
        <source>Werkelijk rendement vanaf %1:</source>
        <translation>Werkelijk rendement vanaf %1:</translation>
    </message>
    <message>
        <source>Het tarief over het directe rendement boven het heffingvrije rendement (wetsvoorstel: 36 %)</source>
        <translation>Het tarief over het directe rendement boven het heffingvrije rendement (wetsvoorstel: 36 %)</translation>
    </message>
    <message>
        <source>Tarief werkelijk rendement</source>
        <translation>Tarief werkelijk rendement</translation>
    </message>
    <message>
        <source>Tarief</source>
        <translation>Tarief</translation>
    </message>
    <message>
        <source>Het directe rendement per persoon per jaar waarover geen belasting gaat (wetsvoorstel: € 1.800)</source>
        <translation>Het directe rendement per persoon per jaar waarover geen belasting gaat (wetsvoorstel: € 1.800)</translation>
    </message>
    <message>
        <source>Heffingvrij rendement per persoon</source>
        <translation>Heffingvrij rendement per persoon</translation>
    </message>
    <message>
        <source>Heffingvrij rendement p.p.</source>
        <translation>Heffingvrij rendement p.p.</translation>
    </message>
    <message>
        <source>Vereenvoudigd: Box 3 telt het vermogen op 1 januari zoals de doorrekening het geeft. De tegenbewijsregeling, de WOZ-tabellen en de verkoop van vastgoed (met de belasting over de waardestijging) zijn niet meegerekend.</source>
        <translation>Vereenvoudigd: Box 3 telt het vermogen op 1 januari zoals de doorrekening het geeft. De tegenbewijsregeling, de WOZ-tabellen en de verkoop van vastgoed (met de belasting over de waardestijging) zijn niet meegerekend.</translation>
    </message>
    <message>
        <source>Wat de berekening vereenvoudigt; zie de handleiding voor de regels en hun bronnen</source>
        <translation>Wat de berekening vereenvoudigt; zie de handleiding voor de regels en hun bronnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>De aannames overnemen: alle cijfers worden opnieuw berekend</source>
        <translation>De aannames overnemen: alle cijfers worden opnieuw berekend</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Sluiten zonder iets te veranderen</source>
        <translation>Sluiten zonder iets te veranderen</translation>
    </message>
    <message>
        <source>Eigen invoer voor %1</source>
        <translation>Eigen invoer voor %1</translation>
    </message>
    <message>
        <source>Bron: %1</source>
        <translation>Bron: %1</translation>
    </message>
    <message>
        <source>eigen invoer</source>
        <translation>eigen invoer</translation>
    </message>
</context>
<context>
    <name>DutchFormat</name>
    <message>
        <source>Geen getal: de berekening geeft hier geen uitkomst, bijvoorbeeld doordat oneindig grote bedragen tegen elkaar wegvallen.</source>
        <translation>Geen getal: de berekening geeft hier geen uitkomst, bijvoorbeeld doordat oneindig grote bedragen tegen elkaar wegvallen.</translation>
    </message>
    <message>
        <source>Geen getal: de uitkomst is oneindig groot, bijvoorbeeld door een oneindig grote invoer of een deling door nul.</source>
        <translation>Geen getal: de uitkomst is oneindig groot, bijvoorbeeld door een oneindig grote invoer of een deling door nul.</translation>
    </message>
    <message>
        <source>Geen getal: de uitkomst is oneindig negatief, bijvoorbeeld door een oneindig grote invoer of een deling door nul.</source>
        <translation>Geen getal: de uitkomst is oneindig negatief, bijvoorbeeld door een oneindig grote invoer of een deling door nul.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>CSV(*.csv);;All Files (*)</source>
        <translation>CSV(*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Excel-werkmap (*.xlsx);;All Files (*)</source>
        <translation>Excel-werkmap (*.xlsx);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Invest(*.inv);;All Files (*)</source>
        <translation>Investering(*.inv);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>FormSetup</name>
    <message>
        <source>Financiele situatie per investering</source>
        <translation>Financiele situatie per investering</translation>
    </message>
    <message>
        <source>Soort investering van de Wealth Generator</source>
        <translation>Soort investering van de groeiplanner</translation>
    </message>
</context>
<context>
    <name>GoalSeekDialog</name>
    <message>
        <source>Wat is er nodig?</source>
        <translation>Wat is er nodig?</translation>
    </message>
    <message>
        <source>Wat zoekt u?</source>
        <translation>Wat zoekt u?</translation>
    </message>
    <message>
        <source>Rij</source>
        <translation>Rij</translation>
    </message>
    <message>
        <source>Financieel vrij uiterlijk in</source>
        <translation>Financieel vrij uiterlijk in</translation>
    </message>
    <message>
        <source>Nettowaarde minstens ... in</source>
        <translation>Nettowaarde minstens ... in</translation>
    </message>
    <message>
        <source>Doel</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Jaar</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Nettowaarde</source>
        <translation>Nettowaarde</translation>
    </message>
    <message>
        <source>met minstens</source>
        <translation>met minstens</translation>
    </message>
    <message>
        <source> % kans</source>
        <translation> % kans</translation>
    </message>
    <message>
        <source>Zekerheid</source>
        <translation>Zekerheid</translation>
    </message>
    <message>
        <source>Bereken</source>
        <translation>Bereken</translation>
    </message>
    <message>
        <source>Afbreken</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>Toepassen</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Bezig met rekenen...</source>
        <translation>Bezig met rekenen...</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Voorbeeld openen</source>
        <translation>Voorbeeld openen</translation>
    </message>
    <message>
        <source>Een voorbeeldportefeuille openen (niet opgeslagen), om het programma te leren kennen</source>
        <translation>Een voorbeeldportefeuille openen (niet opgeslagen), om het programma te leren kennen</translation>
    </message>
    <message>
        <source>Over Quorvant</source>
        <translation>Over Quorvant</translation>
    </message>
    <message>
        <source>Versie, licentie van het lettertype en waar instellingen en herstelbestanden staan</source>
        <translation>Versie, licentie van het lettertype en waar instellingen en herstelbestanden staan</translation>
    </message>
    <message>
        <source>Handleiding — Quorvant</source>
        <translation>Handleiding — Quorvant</translation>
    </message>
    <message>
        <source>Handleiding</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quorvant %1&lt;/h3&gt;&lt;p&gt;Projecteert hoe een portefeuille van investeringen jaar na jaar groeit.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Instellingen:&lt;/b&gt; %2&lt;br&gt;&lt;b&gt;Herstelbestanden:&lt;/b&gt; %3&lt;/p&gt;&lt;p&gt;&lt;b&gt;Lettertype:&lt;/b&gt; DejaVu Sans Condensed, meegeleverd onder de Bitstream Vera-licentie (vrij te gebruiken, te wijzigen en te verspreiden; de DejaVu-wijzigingen zijn publiek domein). De volledige tekst staat onder “Details”.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvant %1&lt;/h3&gt;&lt;p&gt;Projecteert hoe een portefeuille van investeringen jaar na jaar groeit.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Instellingen:&lt;/b&gt; %2&lt;br&gt;&lt;b&gt;Herstelbestanden:&lt;/b&gt; %3&lt;/p&gt;&lt;p&gt;&lt;b&gt;Lettertype:&lt;/b&gt; DejaVu Sans Condensed, meegeleverd onder de Bitstream Vera-licentie (vrij te gebruiken, te wijzigen en te verspreiden; de DejaVu-wijzigingen zijn publiek domein). De volledige tekst staat onder “Details”.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>InvestFormat</name>
    <message>
        <source>File too large (more than %1 bytes)</source>
        <translation>Bestand te groot (meer dan %1 bytes)</translation>
    </message>
    <message>
        <source>“%1” is geen investeringsbestand: er staat geen enkel investeringstype in.</source>
        <translation>“%1” is geen investeringsbestand: er staat geen enkel investeringstype in.</translation>
    </message>
    <message>
        <source>“%1” lijkt onvolledig: %2 van de %3 velden.</source>
        <translation>“%1” lijkt onvolledig: %2 van de %3 velden.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Taal</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Origineel</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>Deze taal gebruiken vanaf de volgende start</source>
        <translation>Deze taal gebruiken vanaf de volgende start</translation>
    </message>
    <message>
        <source>Geldt vanaf de volgende start</source>
        <translation>Geldt vanaf de volgende start</translation>
    </message>
</context>
<context>
    <name>LineGraphs</name>
    <message>
        <source>Financiële groei</source>
        <translation>Financiële groei</translation>
    </message>
    <message>
        <source>overige (%1)</source>
        <translation>overige (%1)</translation>
    </message>
    <message>
        <source>Som</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Uitgaven</source>
        <translation>Uitgaven</translation>
    </message>
    <message>
        <source>Financieel vrij in %1</source>
        <translation>Financieel vrij in %1</translation>
    </message>
    <message>
        <source>Mediaan</source>
        <translation>Mediaan</translation>
    </message>
    <message>
        <source>Opslaan als afbeelding...</source>
        <translation>Opslaan als afbeelding...</translation>
    </message>
    <message>
        <source>De grafiek opslaan als PNG- of SVG-afbeelding (%1)</source>
        <translation>De grafiek opslaan als PNG- of SVG-afbeelding (%1)</translation>
    </message>
    <message>
        <source>Kopiëren</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>De grafiek als afbeelding naar het klembord kopiëren (%1)</source>
        <translation>De grafiek als afbeelding naar het klembord kopiëren (%1)</translation>
    </message>
    <message>
        <source>Afdrukken...</source>
        <translation>Afdrukken...</translation>
    </message>
    <message>
        <source>De grafiek afdrukken op één pagina (%1)</source>
        <translation>De grafiek afdrukken op één pagina (%1)</translation>
    </message>
    <message>
        <source>Grafiek bewaren</source>
        <translation>Grafiek bewaren</translation>
    </message>
    <message>
        <source>Grafiek opslaan als afbeelding</source>
        <translation>Grafiek opslaan als afbeelding</translation>
    </message>
    <message>
        <source>Afbeelding niet opgeslagen</source>
        <translation>Afbeelding niet opgeslagen</translation>
    </message>
    <message>
        <source>De grafiek kon niet worden opgeslagen in %1:
%2</source>
        <translation>De grafiek kon niet worden opgeslagen in %1:
%2</translation>
    </message>
    <message>
        <source>Grafiek afdrukken</source>
        <translation>Grafiek afdrukken</translation>
    </message>
    <message>
        <source>De printer %1 neemt de opdracht niet aan.</source>
        <translation>De printer %1 neemt de opdracht niet aan.</translation>
    </message>
    <message>
        <source>Het bestand %1 kon niet worden geschreven.</source>
        <translation>Het bestand %1 kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>Afdrukken mislukt</source>
        <translation>Afdrukken mislukt</translation>
    </message>
    <message>
        <source>De grafiek kon niet worden afgedrukt. </source>
        <translation>De grafiek kon niet worden afgedrukt. </translation>
    </message>
    <message>
        <source> (bovenrand)</source>
        <translation> (bovenrand)</translation>
    </message>
    <message>
        <source> (onderrand)</source>
        <translation> (onderrand)</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Basis</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quorvant</source>
        <translation>Quorvant</translation>
    </message>
    <message>
        <source>Manuele input</source>
        <translation>Eigen invoer</translation>
    </message>
    <message>
        <source>Uw financiele situatie in jaar :</source>
        <translation>Uw financiele situatie in jaar :</translation>
    </message>
    <message>
        <source>Wealth Generator (optioneel)</source>
        <translation>Groeiplanner (optioneel)</translation>
    </message>
    <message>
        <source>1) Vul bestaande investeringen in de tabel aan</source>
        <translation>1) Vul bestaande investeringen in de tabel aan</translation>
    </message>
    <message>
        <source>2) Wealthgenerator investeert automatisch voor jou, en toont hoe snel je aantal investeringen kunnen groeien.  Geef hieronder een paar parameters in, en druk op de Get Wealthy knop</source>
        <translation>2) De groeiplanner investeert automatisch voor jou en toont hoe snel je aantal investeringen kan groeien. Vul hieronder een paar gegevens in en druk op de knop Rijk plannen</translation>
    </message>
    <message>
        <source>3) Kies een jaar voor een indicatie van je financiele situatie in dat jaar</source>
        <translation>3) Kies een jaar voor een indicatie van je financiele situatie in dat jaar</translation>
    </message>
    <message>
        <source>4) Toon een grafiek naar keuze + de som van alle investeringen</source>
        <translation>4) Toon een grafiek naar keuze + de som van alle investeringen</translation>
    </message>
    <message>
        <source>Nettowaarde</source>
        <translation>Nettowaarde</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Onderpand met hefboom  (Vastgoed, forex, opties)
Onderpand zonder hefboom  (Vastgoed)
Cash for cashflow (Je leent geld uit)
Compounded interest (Spaarboekje, beursrendement)</source>
        <translation>Onderpand met hefboom  (Vastgoed, forex, opties)
Onderpand zonder hefboom  (Vastgoed)
Cash voor cashflow (Je leent geld uit)
Compounded interest (Spaarboekje, beursrendement)</translation>
    </message>
    <message>
        <source>Get Wealthy</source>
        <translation>Rijk plannen</translation>
    </message>
    <message>
        <source>Investeringen</source>
        <translation>Investeringen</translation>
    </message>
    <message>
        <source>Clear Investments</source>
        <translation>Investeringen wissen</translation>
    </message>
    <message>
        <source>Toon de grafiek voor :</source>
        <translation>Toon de grafiek voor :</translation>
    </message>
    <message>
        <source>NettoWaarde</source>
        <translation>NettoWaarde</translation>
    </message>
    <message>
        <source>Cashflow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Opslaan als...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Instellingen...</translation>
    </message>
    <message>
        <source>Online Handleiding</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exporteren...</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>De portefeuille opslaan in het huidige bestand</source>
        <translation>De portefeuille opslaan in het huidige bestand</translation>
    </message>
    <message>
        <source>De doorrekening als Excel-werkmap: een blad met de jaartotalen en een blad per investering</source>
        <translation>De doorrekening als Excel-werkmap: een blad met de jaartotalen en een blad per investering</translation>
    </message>
    <message>
        <source>De doorrekening als CSV die Nederlandse Excel in kolommen opent: puntkomma&apos;s en decimale komma&apos;s</source>
        <translation>De doorrekening als CSV die Nederlandse Excel in kolommen opent: puntkomma&apos;s en decimale komma&apos;s</translation>
    </message>
    <message>
        <source>Bewerken</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Ongedaan maken</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Opnieuw</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Cellen wissen</source>
        <translation>Cellen wissen</translation>
    </message>
    <message>
        <source>Basis openen</source>
        <translation>Basis openen</translation>
    </message>
    <message>
        <source>Naamloos</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Voorbeeld</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Geen getal — telt als 0</source>
        <translation>Geen getal — telt als 0</translation>
    </message>
    <message>
        <source>%1: “%2” is geen getal — telt als 0</source>
        <translation>%1: “%2” is geen getal — telt als 0</translation>
    </message>
    <message>
        <source>Jaartal fout</source>
        <translation>Jaartal fout</translation>
    </message>
    <message>
        <source>Vul een geldig jaartal in , bv 2020</source>
        <translation>Vul een geldig jaartal in , bv 2020</translation>
    </message>
    <message>
        <source>Cel wijzigen</source>
        <translation>Cel wijzigen</translation>
    </message>
    <message>
        <source>Type wijzigen</source>
        <translation>Type wijzigen</translation>
    </message>
    <message>
        <source>Min. inleg</source>
        <translation>Min. inleg</translation>
    </message>
    <message>
        <source>Duurtijd(j)</source>
        <translation>Duurtijd(j)</translation>
    </message>
    <message>
        <source>Rij %1, %2: “%3” is geen getal — telt als 0</source>
        <translation>Rij %1, %2: “%3” is geen getal — telt als 0</translation>
    </message>
    <message>
        <source>Rij %1, %2: %3</source>
        <translation>Rij %1, %2: %3</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>Bestand kan niet worden opgeslagen</translation>
    </message>
    <message>
        <source>Save invest file</source>
        <translation>Investeringsbestand opslaan</translation>
    </message>
    <message>
        <source>Open Invest File</source>
        <translation>Investeringsbestand openen</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Bestand kan niet worden geopend</translation>
    </message>
    <message>
        <source>Openen</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>rij %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>de rijen %1</source>
        <translation>de rijen %1</translation>
    </message>
    <message>
        <source>Vul een geldig jaartal in , bv 2020

Het jaartal van %1 is leeg gelaten.</source>
        <translation>Vul een geldig jaartal in , bv 2020

Het jaartal van %1 is leeg gelaten.</translation>
    </message>
    <message>
        <source>De portefeuille is gewijzigd. Wijzigingen opslaan?</source>
        <translation>De portefeuille is gewijzigd. Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Herstellen</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>De lopende kosten van het vastgoed per maand in het gekozen jaar: onderhoud, vaste lasten en beheer (Kosten en belasting...)</source>
        <translation>De lopende kosten van het vastgoed per maand in het gekozen jaar: onderhoud, vaste lasten en beheer (Kosten en belasting...)</translation>
    </message>
    <message>
        <source>Kosten (maand)</source>
        <translation>Kosten (maand)</translation>
    </message>
    <message>
        <source>De Box 3-belasting over het gekozen jaar, op het vermogen van 1 januari (Kosten en belasting...)</source>
        <translation>De Box 3-belasting over het gekozen jaar, op het vermogen van 1 januari (Kosten en belasting...)</translation>
    </message>
    <message>
        <source>Box 3 (jaar)</source>
        <translation>Box 3 (jaar)</translation>
    </message>
    <message>
        <source>Scenario openen</source>
        <translation>Scenario openen</translation>
    </message>
    <message>
        <source>Kosten en belasting</source>
        <translation>Kosten en belasting</translation>
    </message>
</context>
<context>
    <name>NumberTips</name>
    <message>
        <source>Geen getal — telt als 0</source>
        <translation>Geen getal — telt als 0</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Dialog</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>Beperk het jaaroverzicht tot :</source>
        <translation>Beperk het jaaroverzicht tot :</translation>
    </message>
    <message>
        <source>Beperk het aantal investeringen tot :</source>
        <translation>Beperk het aantal investeringen tot :</translation>
    </message>
    <message>
        <source>Geen geheel getal — de grens blijft zoals hij was</source>
        <translation>Geen geheel getal — de grens blijft zoals hij was</translation>
    </message>
</context>
<context>
    <name>PlanMenu</name>
    <message>
        <source>Wat is er nodig?...</source>
        <translation>Wat is er nodig?...</translation>
    </message>
    <message>
        <source>Zoek de inleg, de uitgaven of de kostprijs waarmee een doel gehaald wordt</source>
        <translation>Zoek de inleg, de uitgaven of de kostprijs waarmee een doel gehaald wordt</translation>
    </message>
    <message>
        <source>Gevoeligheid...</source>
        <translation>Gevoeligheid...</translation>
    </message>
    <message>
        <source>Welke aanname het meeste uitmaakt voor het vrije jaar en de nettowaarde</source>
        <translation>Welke aanname het meeste uitmaakt voor het vrije jaar en de nettowaarde</translation>
    </message>
</context>
<context>
    <name>PlanReport</name>
    <message>
        <source>&lt;h3&gt;Wealth Generator: %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Groeiplanner: %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>leeg</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rij %1&lt;/b&gt; – %2: %3</source>
        <translation>&lt;b&gt;Rij %1&lt;/b&gt; – %2: %3</translation>
    </message>
    <message>
        <source>Geen volledige investering.</source>
        <translation>Geen volledige investering.</translation>
    </message>
    <message>
        <source>(nieuwe portefeuille)</source>
        <translation>(nieuwe portefeuille)</translation>
    </message>
    <message>
        <source>in euro&apos;s van vandaag (%1, %2 % inflatie per jaar)</source>
        <translation>in euro&apos;s van vandaag (%1, %2 % inflatie per jaar)</translation>
    </message>
    <message>
        <source>in euro&apos;s van elk jaar</source>
        <translation>in euro&apos;s van elk jaar</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Plan: %1&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;Plan: %1&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Datum: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Datum: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Deze portefeuille heeft nog geen volledige investering.</source>
        <translation>Deze portefeuille heeft nog geen volledige investering.</translation>
    </message>
    <message>
        <source>&lt;p&gt;Horizon: %1 t/m %2; bedragen %3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Horizon: %1 t/m %2; bedragen %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2 style=&quot;page-break-before: always;&quot;&gt;Invoer&lt;/h2&gt;</source>
        <translation>&lt;h2 style=&quot;page-break-before: always;&quot;&gt;Invoer&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Aannames&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Aannames&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Grenzen: %1 jaren, %2 investeringen</source>
        <translation>Grenzen: %1 jaren, %2 investeringen</translation>
    </message>
    <message>
        <source>Inflatie: %1 % per jaar</source>
        <translation>Inflatie: %1 % per jaar</translation>
    </message>
    <message>
        <source>Bedragen: %1</source>
        <translation>Bedragen: %1</translation>
    </message>
    <message>
        <source>Maandelijkse uitgaven: %1 (euro&apos;s van vandaag)</source>
        <translation>Maandelijkse uitgaven: %1 (euro&apos;s van vandaag)</translation>
    </message>
    <message>
        <source>Maandelijkse uitgaven: geen doel</source>
        <translation>Maandelijkse uitgaven: geen doel</translation>
    </message>
    <message>
        <source>Spreiding per jaar: waardestijging %1, huurstijging %2, rendement %3 procentpunt</source>
        <translation>Spreiding per jaar: waardestijging %1, huurstijging %2, rendement %3 procentpunt</translation>
    </message>
    <message>
        <source>Vergeleken met: %1</source>
        <translation>Vergeleken met: %1</translation>
    </message>
    <message>
        <source>Vergeleken met: geen basis</source>
        <translation>Vergeleken met: geen basis</translation>
    </message>
    <message>
        <source>&lt;h2 style=&quot;page-break-before: always;&quot;&gt;Jaaroverzicht&lt;/h2&gt;</source>
        <translation>&lt;h2 style=&quot;page-break-before: always;&quot;&gt;Jaaroverzicht&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Geen jaren: de portefeuille heeft geen volledige investering.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Geen jaren: de portefeuille heeft geen volledige investering.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Bedragen %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Bedragen %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Uitgaven, spreiding%1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Uitgaven, spreiding%1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source> en basis</source>
        <translation> en basis</translation>
    </message>
    <message>
        <source>Maandelijkse cashflow</source>
        <translation>Maandelijkse cashflow</translation>
    </message>
    <message>
        <source>Nettowaarde</source>
        <translation>Nettowaarde</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Reproduceerbaarheid&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Reproduceerbaarheid&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Programma: Quorvant %1</source>
        <translation>Programma: Quorvant %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Startwaarde (seed): %1</translation>
    </message>
    <message>
        <source>Aantal paden: %1</source>
        <translation>Aantal paden: %1</translation>
    </message>
    <message>
        <source>SHA-256 van de portefeuilletekst: &lt;tt&gt;%1&lt;/tt&gt;</source>
        <translation>SHA-256 van de portefeuilletekst: &lt;tt&gt;%1&lt;/tt&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Let op:&lt;/b&gt; het plan bevat wijzigingen die nog niet zijn opgeslagen; de SHA-256 hoort bij de tekst zoals die nu zou worden opgeslagen, niet bij het bestand.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Let op:&lt;/b&gt; het plan bevat wijzigingen die nog niet zijn opgeslagen; de SHA-256 hoort bij de tekst zoals die nu zou worden opgeslagen, niet bij het bestand.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Dezelfde portefeuilletekst geeft met dezelfde versie, aannames, seed en hetzelfde aantal paden hetzelfde rapport.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Dezelfde portefeuilletekst geeft met dezelfde versie, aannames, seed en hetzelfde aantal paden hetzelfde rapport.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Plan: %1</source>
        <translation>Plan: %1</translation>
    </message>
    <message>
        <source>quorvant: gebruik: quorvant --report RAPPORT.pdf BESTAND
</source>
        <translation>quorvant: gebruik: quorvant --report RAPPORT.pdf BESTAND
</translation>
    </message>
    <message>
        <source>quorvant: %1 kan niet worden gelezen: %2
</source>
        <translation>quorvant: %1 kan niet worden gelezen: %2
</translation>
    </message>
    <message>
        <source>quorvant: het rapport kan niet worden geschreven naar %1: %2
</source>
        <translation>quorvant: het rapport kan niet worden geschreven naar %1: %2
</translation>
    </message>
    <message>
        <source>tarief</source>
        <translation>tarief</translation>
    </message>
    <message>
        <source>heffingvrij vermogen</source>
        <translation>heffingvrij vermogen</translation>
    </message>
    <message>
        <source>rendement bank</source>
        <translation>rendement bank</translation>
    </message>
    <message>
        <source>rendement overig</source>
        <translation>rendement overig</translation>
    </message>
    <message>
        <source>rendement schulden</source>
        <translation>rendement schulden</translation>
    </message>
    <message>
        <source>schuldendrempel</source>
        <translation>schuldendrempel</translation>
    </message>
</context>
<context>
    <name>PlanViews</name>
    <message>
        <source>Jaaroverzicht</source>
        <translation>Jaaroverzicht</translation>
    </message>
    <message>
        <source>Alle jaren van de horizon in één tabel</source>
        <translation>Alle jaren van de horizon in één tabel</translation>
    </message>
    <message>
        <source>Rapport...</source>
        <translation>Rapport...</translation>
    </message>
    <message>
        <source>Het hele plan als PDF op A4</source>
        <translation>Het hele plan als PDF op A4</translation>
    </message>
    <message>
        <source>Rapport afdrukken...</source>
        <translation>Rapport afdrukken...</translation>
    </message>
    <message>
        <source>Het hele plan afdrukken</source>
        <translation>Het hele plan afdrukken</translation>
    </message>
    <message>
        <source>Toon alle jaren van de horizon in één tabel</source>
        <translation>Toon alle jaren van de horizon in één tabel</translation>
    </message>
    <message>
        <source>Rapport opslaan</source>
        <translation>Rapport opslaan</translation>
    </message>
    <message>
        <source>Rapport niet opgeslagen</source>
        <translation>Rapport niet opgeslagen</translation>
    </message>
    <message>
        <source>Het rapport kon niet worden opgeslagen in %1:
%2</source>
        <translation>Het rapport kon niet worden opgeslagen in %1:
%2</translation>
    </message>
    <message>
        <source>Rapport afdrukken</source>
        <translation>Rapport afdrukken</translation>
    </message>
</context>
<context>
    <name>PlanningPanel</name>
    <message>
        <source>Inflatie (%/j)</source>
        <translation>Inflatie (%/j)</translation>
    </message>
    <message>
        <source>Verwachte inflatie per jaar in procenten; wordt onthouden, niet in het bestand bewaard</source>
        <translation>Verwachte inflatie per jaar in procenten; wordt onthouden, niet in het bestand bewaard</translation>
    </message>
    <message>
        <source>Toon in euro&apos;s van vandaag</source>
        <translation>Toon in euro&apos;s van vandaag</translation>
    </message>
    <message>
        <source>Alle bedragen omgerekend naar de koopkracht van dit jaar; ROI en jaartallen blijven gelijk</source>
        <translation>Alle bedragen omgerekend naar de koopkracht van dit jaar; ROI en jaartallen blijven gelijk</translation>
    </message>
    <message>
        <source>Schuld als restschuld</source>
        <translation>Schuld als restschuld</translation>
    </message>
    <message>
        <source>Toon als schuld wat van elke hypotheek nog af te lossen is; uit: alle betalingen die nog komen, rente inbegrepen</source>
        <translation>Toon als schuld wat van elke hypotheek nog af te lossen is; uit: alle betalingen die nog komen, rente inbegrepen</translation>
    </message>
    <message>
        <source>Maandelijkse uitgaven</source>
        <translation>Maandelijkse uitgaven</translation>
    </message>
    <message>
        <source>Wat u per maand uitgeeft, in euro&apos;s van vandaag; leeg: geen doel</source>
        <translation>Wat u per maand uitgeeft, in euro&apos;s van vandaag; leeg: geen doel</translation>
    </message>
    <message>
        <source>(euro&apos;s van vandaag, %1 % inflatie)</source>
        <translation>(euro&apos;s van vandaag, %1 % inflatie)</translation>
    </message>
    <message>
        <source>Niet binnen de horizon</source>
        <translation>Niet binnen de horizon</translation>
    </message>
    <message>
        <source>Financieel vrij in %1</source>
        <translation>Financieel vrij in %1</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>Een negatief bedrag is niet aannemelijk</source>
        <translation>Een negatief bedrag is niet aannemelijk</translation>
    </message>
    <message>
        <source>LTV hoort tussen 0 en 100 % te liggen</source>
        <translation>LTV hoort tussen 0 en 100 % te liggen</translation>
    </message>
    <message>
        <source>Een daling van 100 % of meer per jaar is niet aannemelijk: de waarde is meteen weg</source>
        <translation>Een daling van 100 % of meer per jaar is niet aannemelijk: de waarde is meteen weg</translation>
    </message>
    <message>
        <source>Een lening zonder looptijd telt nergens mee: vul het aantal jaren in</source>
        <translation>Een lening zonder looptijd telt nergens mee: vul het aantal jaren in</translation>
    </message>
    <message>
        <source>Inflatie buiten %1 .. %2 %: telt als 0</source>
        <translation>Inflatie buiten %1 .. %2 %: telt als 0</translation>
    </message>
    <message>
        <source>Uitgaven buiten 0 .. 10.000.000 per maand: geen doel</source>
        <translation>Uitgaven buiten 0 .. 10.000.000 per maand: geen doel</translation>
    </message>
</context>
<context>
    <name>PortfolioDocument</name>
    <message>
        <source>Naamloos</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>[*] — Quorvant</source>
        <translation>[*] — Quorvant</translation>
    </message>
    <message>
        <source>Recente bestanden</source>
        <translation>Recente bestanden</translation>
    </message>
</context>
<context>
    <name>RealValues</name>
    <message>
        <source>Het eerste jaar vanaf wanneer de maandelijkse cashflow, in euro&apos;s van vandaag, de maandelijkse uitgaven dekt in dat jaar en in elk later jaar van de horizon</source>
        <translation>Het eerste jaar vanaf wanneer de maandelijkse cashflow, in euro&apos;s van vandaag, de maandelijkse uitgaven dekt in dat jaar en in elk later jaar van de horizon</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>Naamloos</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Bestand kan niet worden geopend</translation>
    </message>
    <message>
        <source>Quorvant</source>
        <translation>Quorvant</translation>
    </message>
    <message>
        <source>Er is niet-opgeslagen werk van %1 gevonden (%2).</source>
        <translation>Er is niet-opgeslagen werk van %1 gevonden (%2).</translation>
    </message>
    <message>
        <source>Herstellen</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Verwerpen</source>
        <translation>Verwerpen</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>Het herstelbestand is beschadigd.</source>
        <translation>Het herstelbestand is beschadigd.</translation>
    </message>
    <message>
        <source>Naamloos</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Het herstelbestand is te groot.</source>
        <translation>Het herstelbestand is te groot.</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>een map</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>een pipe (FIFO)</source>
        <translation>een pipe (FIFO)</translation>
    </message>
    <message>
        <source>een socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>een apparaat</source>
        <translation>een apparaat</translation>
    </message>
    <message>
        <source>een bijzonder bestand</source>
        <translation>een bijzonder bestand</translation>
    </message>
    <message>
        <source>Geen gewoon bestand: %1 is %2.</source>
        <translation>Geen gewoon bestand: %1 is %2.</translation>
    </message>
    <message>
        <source>Geen gewoon bestand: %1 is een kring van symbolische koppelingen (%2).</source>
        <translation>Geen gewoon bestand: %1 is een kring van symbolische koppelingen (%2).</translation>
    </message>
    <message>
        <source>In de map %1 mag geen nieuw bestand worden gemaakt (alleen-lezen map), dus het bestand kon niet veilig worden vervangen</source>
        <translation>In de map %1 mag geen nieuw bestand worden gemaakt (alleen-lezen map), dus het bestand kon niet veilig worden vervangen</translation>
    </message>
    <message>
        <source>De map %1 is beschermd (sticky) en het bestand is van een andere gebruiker, dus het bestand kon niet veilig worden vervangen</source>
        <translation>De map %1 is beschermd (sticky) en het bestand is van een andere gebruiker, dus het bestand kon niet veilig worden vervangen</translation>
    </message>
    <message>
        <source>; het bestand zelf overschrijven lukte ook niet: %1</source>
        <translation>; het bestand zelf overschrijven lukte ook niet: %1</translation>
    </message>
    <message>
        <source>De schijf is vol: er is geen ruimte om het bestand te schrijven (%1).</source>
        <translation>De schijf is vol: er is geen ruimte om het bestand te schrijven (%1).</translation>
    </message>
    <message>
        <source>No file name given</source>
        <translation>Geen bestandsnaam opgegeven</translation>
    </message>
</context>
<context>
    <name>ScenarioController</name>
    <message>
        <source>geen</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Naam van het scenario:</source>
        <translation>Naam van het scenario:</translation>
    </message>
    <message>
        <source>Scenario uit bestand...</source>
        <translation>Scenario uit bestand...</translation>
    </message>
    <message>
        <source>Een investeringsbestand bewaren als scenario om naast deze portefeuille te zetten</source>
        <translation>Een investeringsbestand bewaren als scenario om naast deze portefeuille te zetten</translation>
    </message>
    <message>
        <source>Scenario van huidig scherm...</source>
        <translation>Scenario van huidig scherm...</translation>
    </message>
    <message>
        <source>Een kopie van deze portefeuille bewaren als scenario, onder een naam</source>
        <translation>Een kopie van deze portefeuille bewaren als scenario, onder een naam</translation>
    </message>
    <message>
        <source>Scenario&apos;s vergelijken</source>
        <translation>Scenario&apos;s vergelijken</translation>
    </message>
    <message>
        <source>De bewaarde scenario&apos;s naast elkaar: vrij jaar, nettowaarde, cashflow en kans</source>
        <translation>De bewaarde scenario&apos;s naast elkaar: vrij jaar, nettowaarde, cashflow en kans</translation>
    </message>
    <message>
        <source>Scenario&apos;s</source>
        <translation>Scenario&apos;s</translation>
    </message>
    <message>
        <source>Hernoemen...</source>
        <translation>Hernoemen...</translation>
    </message>
    <message>
        <source>Verwijderen</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Scenario van huidig scherm</source>
        <translation>Scenario van huidig scherm</translation>
    </message>
    <message>
        <source>Scenario hernoemen</source>
        <translation>Scenario hernoemen</translation>
    </message>
    <message>
        <source>Er zijn al %1 scenario&apos;s; verwijder er eerst een.</source>
        <translation>Er zijn al %1 scenario&apos;s; verwijder er eerst een.</translation>
    </message>
    <message>
        <source>Vrij vanaf</source>
        <translation>Vrij vanaf</translation>
    </message>
    <message>
        <source>Nettowaarde %1</source>
        <translation>Nettowaarde %1</translation>
    </message>
    <message>
        <source>Cashflow per maand %1</source>
        <translation>Cashflow per maand %1</translation>
    </message>
    <message>
        <source>Kans vrij in %1</source>
        <translation>Kans vrij in %1</translation>
    </message>
    <message>
        <source>Huidige portefeuille</source>
        <translation>Huidige portefeuille</translation>
    </message>
    <message>
        <source>wordt berekend...</source>
        <translation>wordt berekend...</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>ScenarioSet</name>
    <message>
        <source>Scenario %1</source>
        <translation>Scenario %1</translation>
    </message>
    <message>
        <source>Er zijn al %1 scenario&apos;s; verwijder er eerst een.</source>
        <translation>Er zijn al %1 scenario&apos;s; verwijder er eerst een.</translation>
    </message>
</context>
<context>
    <name>Sensitivity</name>
    <message>
        <source>Kosten koper (%)</source>
        <translation>Kosten koper (%)</translation>
    </message>
    <message>
        <source>Onderhoud (% van de waarde)</source>
        <translation>Onderhoud (% van de waarde)</translation>
    </message>
    <message>
        <source>Vaste lasten (% van de waarde)</source>
        <translation>Vaste lasten (% van de waarde)</translation>
    </message>
    <message>
        <source>Leegstand (% van de huur)</source>
        <translation>Leegstand (% van de huur)</translation>
    </message>
    <message>
        <source>Beheer (% van de huur)</source>
        <translation>Beheer (% van de huur)</translation>
    </message>
</context>
<context>
    <name>SensitivityWindow</name>
    <message>
        <source>geen</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Gevoeligheid</source>
        <translation>Gevoeligheid</translation>
    </message>
    <message>
        <source>Nettowaarde in</source>
        <translation>Nettowaarde in</translation>
    </message>
    <message>
        <source>Bereken</source>
        <translation>Bereken</translation>
    </message>
    <message>
        <source>Aanname</source>
        <translation>Aanname</translation>
    </message>
    <message>
        <source>Waarde</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Stap</source>
        <translation>Stap</translation>
    </message>
    <message>
        <source>Vrij (−)</source>
        <translation>Vrij (−)</translation>
    </message>
    <message>
        <source>Vrij (+)</source>
        <translation>Vrij (+)</translation>
    </message>
    <message>
        <source>Nettowaarde (−)</source>
        <translation>Nettowaarde (−)</translation>
    </message>
    <message>
        <source>Nettowaarde (+)</source>
        <translation>Nettowaarde (+)</translation>
    </message>
    <message>
        <source>Het plan zoals het is</source>
        <translation>Het plan zoals het is</translation>
    </message>
    <message>
        <source>Verandering van de nettowaarde in %1 (plan: %2)</source>
        <translation>Verandering van de nettowaarde in %1 (plan: %2)</translation>
    </message>
    <message>
        <source>aanname omlaag</source>
        <translation>aanname omlaag</translation>
    </message>
    <message>
        <source>aanname omhoog</source>
        <translation>aanname omhoog</translation>
    </message>
</context>
<context>
    <name>SheetExport</name>
    <message>
        <source>CSV voor Excel (puntkomma)</source>
        <translation>CSV voor Excel (puntkomma)</translation>
    </message>
    <message>
        <source>Excel-werkmap (.xlsx)</source>
        <translation>Excel-werkmap (.xlsx)</translation>
    </message>
    <message>
        <source>werkblad &apos;%1&apos; kan niet worden gemaakt</source>
        <translation>werkblad &apos;%1&apos; kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>werkmap kan niet worden gemaakt</source>
        <translation>werkmap kan niet worden gemaakt</translation>
    </message>
</context>
<context>
    <name>SpreadDialog</name>
    <message>
        <source> procentpunt</source>
        <translation> procentpunt</translation>
    </message>
    <message>
        <source>Spreiding</source>
        <translation>Spreiding</translation>
    </message>
    <message>
        <source>Spreiding van de waardestijging</source>
        <translation>Spreiding van de waardestijging</translation>
    </message>
    <message>
        <source>Hoeveel de waardestijging van jaar tot jaar rond de ingevulde waarde schommelt (standaardafwijking in procentpunten)</source>
        <translation>Hoeveel de waardestijging van jaar tot jaar rond de ingevulde waarde schommelt (standaardafwijking in procentpunten)</translation>
    </message>
    <message>
        <source>Spreiding van de huurstijging</source>
        <translation>Spreiding van de huurstijging</translation>
    </message>
    <message>
        <source>Hoeveel de huurstijging van jaar tot jaar rond de ingevulde waarde schommelt (standaardafwijking in procentpunten)</source>
        <translation>Hoeveel de huurstijging van jaar tot jaar rond de ingevulde waarde schommelt (standaardafwijking in procentpunten)</translation>
    </message>
    <message>
        <source>Spreiding van het rendement</source>
        <translation>Spreiding van het rendement</translation>
    </message>
    <message>
        <source>Hoeveel het rendement van jaar tot jaar rond de ingevulde waarde schommelt (standaardafwijking in procentpunten)</source>
        <translation>Hoeveel het rendement van jaar tot jaar rond de ingevulde waarde schommelt (standaardafwijking in procentpunten)</translation>
    </message>
    <message>
        <source>Aantal paden</source>
        <translation>Aantal paden</translation>
    </message>
    <message>
        <source>Hoeveel mogelijke verlopen worden doorgerekend; meer paden geven gladdere banden maar rekenen langer</source>
        <translation>Hoeveel mogelijke verlopen worden doorgerekend; meer paden geven gladdere banden maar rekenen langer</translation>
    </message>
    <message>
        <source>&amp;Waardestijging:</source>
        <translation>&amp;Waardestijging:</translation>
    </message>
    <message>
        <source>&amp;Huurstijging:</source>
        <translation>&amp;Huurstijging:</translation>
    </message>
    <message>
        <source>&amp;Rendement:</source>
        <translation>&amp;Rendement:</translation>
    </message>
    <message>
        <source>Aantal &amp;paden:</source>
        <translation>Aantal &amp;paden:</translation>
    </message>
    <message>
        <source>De hypotheekrente blijft vast.</source>
        <translation>De hypotheekrente blijft vast.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>UncertaintyPanel</name>
    <message>
        <source>Spreiding</source>
        <translation>Spreiding</translation>
    </message>
    <message>
        <source>Toon hoe breed de uitkomsten zijn: duizenden paden met wisselende waardestijging, huurstijging en rendement</source>
        <translation>Toon hoe breed de uitkomsten zijn: duizenden paden met wisselende waardestijging, huurstijging en rendement</translation>
    </message>
    <message>
        <source>Instellingen...</source>
        <translation>Instellingen...</translation>
    </message>
    <message>
        <source>De spreiding per jaar en het aantal paden</source>
        <translation>De spreiding per jaar en het aantal paden</translation>
    </message>
    <message>
        <source>Spreiding: %1 van %2 paden berekend</source>
        <translation>Spreiding: %1 van %2 paden berekend</translation>
    </message>
    <message>
        <source>Spreiding wordt berekend...</source>
        <translation>Spreiding wordt berekend...</translation>
    </message>
    <message>
        <source>Nettowaarde %1: 10%: %2 · 50%: %3 · 90%: %4</source>
        <translation>Nettowaarde %1: 10%: %2 · 50%: %3 · 90%: %4</translation>
    </message>
    <message>
        <source>Kans financieel vrij uiterlijk %1: %2</source>
        <translation>Kans financieel vrij uiterlijk %1: %2</translation>
    </message>
</context>
<context>
    <name>WealthLabelTable</name>
    <message>
        <source>BeginJaar</source>
        <translation>BeginJaar</translation>
    </message>
    <message>
        <source>Eenmalige inleg</source>
        <translation>Eenmalige inleg</translation>
    </message>
    <message>
        <source>Maandelijkse inleg</source>
        <translation>Maandelijkse inleg</translation>
    </message>
    <message>
        <source>Kostprijs</source>
        <translation>Kostprijs</translation>
    </message>
    <message>
        <source>Inlegperiode(jaar)</source>
        <translation>Inlegperiode(jaar)</translation>
    </message>
    <message>
        <source>Netto Huur/maand</source>
        <translation>Netto Huur/maand</translation>
    </message>
    <message>
        <source>Minimum inleg</source>
        <translation>Minimum inleg</translation>
    </message>
    <message>
        <source>Huurstijging (%)</source>
        <translation>Huurstijging (%)</translation>
    </message>
    <message>
        <source>Rendement</source>
        <translation>Rendement</translation>
    </message>
    <message>
        <source>Waardestijging (%)</source>
        <translation>Waardestijging (%)</translation>
    </message>
    <message>
        <source>LTV (%)</source>
        <translation>LTV (%)</translation>
    </message>
    <message>
        <source>Hypotheekrente (%)</source>
        <translation>Hypotheekrente (%)</translation>
    </message>
    <message>
        <source>Hypotheekduur(j)</source>
        <translation>Hypotheekduur(j)</translation>
    </message>
    <message>
        <source>bv. 2026</source>
        <translation>bv. 2026</translation>
    </message>
    <message>
        <source>bv. 50.000</source>
        <translation>bv. 50.000</translation>
    </message>
    <message>
        <source>bv. 500</source>
        <translation>bv. 500</translation>
    </message>
    <message>
        <source>bv. 200.000</source>
        <translation>bv. 200.000</translation>
    </message>
    <message>
        <source>bv. 150.000</source>
        <translation>bv. 150.000</translation>
    </message>
    <message>
        <source>bv. 10</source>
        <translation>bv. 10</translation>
    </message>
    <message>
        <source>bv. 1.000</source>
        <translation>bv. 1.000</translation>
    </message>
    <message>
        <source>bv. 800</source>
        <translation>bv. 800</translation>
    </message>
    <message>
        <source>bv. 10.000</source>
        <translation>bv. 10.000</translation>
    </message>
    <message>
        <source>bv. 2</source>
        <translation>bv. 2</translation>
    </message>
    <message>
        <source>bv. 4</source>
        <translation>bv. 4</translation>
    </message>
    <message>
        <source>bv. 3</source>
        <translation>bv. 3</translation>
    </message>
    <message>
        <source>bv. 80</source>
        <translation>bv. 80</translation>
    </message>
    <message>
        <source>bv. 20</source>
        <translation>bv. 20</translation>
    </message>
</context>
<context>
    <name>YearOverview</name>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Totale cash aan het eind van het jaar</source>
        <translation>Totale cash aan het eind van het jaar</translation>
    </message>
    <message>
        <source>Vastgoed</source>
        <translation>Vastgoed</translation>
    </message>
    <message>
        <source>Totale waarde van het vastgoed</source>
        <translation>Totale waarde van het vastgoed</translation>
    </message>
    <message>
        <source>Activa</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Cash plus vastgoed</source>
        <translation>Cash plus vastgoed</translation>
    </message>
    <message>
        <source>Eigen inbreng</source>
        <translation>Eigen inbreng</translation>
    </message>
    <message>
        <source>Totale eigen inbreng</source>
        <translation>Totale eigen inbreng</translation>
    </message>
    <message>
        <source>Schulden</source>
        <translation>Schulden</translation>
    </message>
    <message>
        <source>Totale schulden</source>
        <translation>Totale schulden</translation>
    </message>
    <message>
        <source>Inkomsten p/m</source>
        <translation>Inkomsten p/m</translation>
    </message>
    <message>
        <source>Maandelijkse inkomsten</source>
        <translation>Maandelijkse inkomsten</translation>
    </message>
    <message>
        <source>Lasten p/m</source>
        <translation>Lasten p/m</translation>
    </message>
    <message>
        <source>Maandelijkse lasten</source>
        <translation>Maandelijkse lasten</translation>
    </message>
    <message>
        <source>Cashflow p/m</source>
        <translation>Cashflow p/m</translation>
    </message>
    <message>
        <source>Maandelijkse cashflow</source>
        <translation>Maandelijkse cashflow</translation>
    </message>
    <message>
        <source>Nettowaarde</source>
        <translation>Nettowaarde</translation>
    </message>
    <message>
        <source>Activa min schulden</source>
        <translation>Activa min schulden</translation>
    </message>
    <message>
        <source>Jaar</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Kalenderjaar</source>
        <translation>Kalenderjaar</translation>
    </message>
    <message>
        <source>Uitgaven p/m</source>
        <translation>Uitgaven p/m</translation>
    </message>
    <message>
        <source>De maandelijkse uitgaven in de euro&apos;s van de tabel</source>
        <translation>De maandelijkse uitgaven in de euro&apos;s van de tabel</translation>
    </message>
    <message>
        <source>Vrij</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>Het eerste jaar waarin de cashflow de uitgaven dekt</source>
        <translation>Het eerste jaar waarin de cashflow de uitgaven dekt</translation>
    </message>
    <message>
        <source>Nettowaarde: 10e percentiel van de paden</source>
        <translation>Nettowaarde: 10e percentiel van de paden</translation>
    </message>
    <message>
        <source>Nettowaarde: mediaan van de paden</source>
        <translation>Nettowaarde: mediaan van de paden</translation>
    </message>
    <message>
        <source>Nettowaarde: 90e percentiel van de paden</source>
        <translation>Nettowaarde: 90e percentiel van de paden</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Nettowaarde van de basis</source>
        <translation>Nettowaarde van de basis</translation>
    </message>
    <message>
        <source>Verschil</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Nettowaarde min die van de basis</source>
        <translation>Nettowaarde min die van de basis</translation>
    </message>
    <message>
        <source> mln</source>
        <translation> mln</translation>
    </message>
    <message>
        <source>is de maandelijkse cashflow in %1 hoger dan de uitgaven van %2</source>
        <translation>is de maandelijkse cashflow in %1 hoger dan de uitgaven van %2</translation>
    </message>
    <message>
        <source>dekt de maandelijkse cashflow binnen de horizon de uitgaven van %1 niet</source>
        <translation>dekt de maandelijkse cashflow binnen de horizon de uitgaven van %1 niet</translation>
    </message>
    <message>
        <source>is de maandelijkse cashflow in %1 %2</source>
        <translation>is de maandelijkse cashflow in %1 %2</translation>
    </message>
    <message>
        <source>de nettowaarde in %1 is %2</source>
        <translation>de nettowaarde in %1 is %2</translation>
    </message>
    <message>
        <source>Met deze portefeuille %1; %2.</source>
        <translation>Met deze portefeuille %1; %2.</translation>
    </message>
    <message>
        <source> (10–90 %: %1–%2)</source>
        <translation> (10–90 %: %1–%2)</translation>
    </message>
    <message>
        <source>vrij</source>
        <translation>vrij</translation>
    </message>
</context>
<context>
    <name>YearOverviewWindow</name>
    <message>
        <source>Jaaroverzicht</source>
        <translation>Jaaroverzicht</translation>
    </message>
    <message>
        <source>De hele portefeuille of één investering per jaar</source>
        <translation>De hele portefeuille of één investering per jaar</translation>
    </message>
    <message>
        <source>Weergave</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Kopiëren</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Kopieer de gekozen cellen (of de hele tabel) voor een spreadsheet</source>
        <translation>Kopieer de gekozen cellen (of de hele tabel) voor een spreadsheet</translation>
    </message>
    <message>
        <source>Kies een rij om dat jaar in het hoofdvenster te tonen; Ctrl+C kopieert</source>
        <translation>Kies een rij om dat jaar in het hoofdvenster te tonen; Ctrl+C kopieert</translation>
    </message>
    <message>
        <source>Weergave:</source>
        <translation>Weergave:</translation>
    </message>
    <message>
        <source>Portefeuille (totalen)</source>
        <translation>Portefeuille (totalen)</translation>
    </message>
    <message>
        <source>Rij %1: %2</source>
        <translation>Rij %1: %2</translation>
    </message>
    <message>
        <source>In euro&apos;s van vandaag (%1 % inflatie)</source>
        <translation>In euro&apos;s van vandaag (%1 % inflatie)</translation>
    </message>
    <message>
        <source>In euro&apos;s van elk jaar</source>
        <translation>In euro&apos;s van elk jaar</translation>
    </message>
    <message>
        <source>Nog geen volledige investering</source>
        <translation>Nog geen volledige investering</translation>
    </message>
</context>
</TS>
