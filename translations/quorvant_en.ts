<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="nl_NL">
<context>
    <name>BaselineController</name>
    <message>
        <source>Vergelijk met...</source>
        <translation>Compare with...</translation>
    </message>
    <message>
        <source>Een investeringsbestand openen als basis om deze portefeuille mee te vergelijken</source>
        <translation>Open an investment file as the baseline to compare this portfolio with</translation>
    </message>
    <message>
        <source>Huidige als basis vastleggen</source>
        <translation>Keep current as baseline</translation>
    </message>
    <message>
        <source>Een kopie van deze portefeuille bewaren om latere wijzigingen mee te vergelijken</source>
        <translation>Keep a copy of this portfolio to compare later changes with</translation>
    </message>
    <message>
        <source>Vergelijking wissen</source>
        <translation>Clear comparison</translation>
    </message>
    <message>
        <source>De basis loslaten; het venster toont weer alleen deze portefeuille</source>
        <translation>Drop the baseline; the window shows only this portfolio again</translation>
    </message>
    <message>
        <source>Maandelijkse cashflow van de basis in het gekozen jaar</source>
        <translation>The baseline&apos;s monthly cash flow in the chosen year</translation>
    </message>
    <message>
        <source>Nettowaarde van de basis in het gekozen jaar</source>
        <translation>The baseline&apos;s net worth in the chosen year</translation>
    </message>
    <message>
        <source>Maandelijkse cashflow van deze portefeuille min die van de basis</source>
        <translation>This portfolio&apos;s monthly cash flow minus the baseline&apos;s</translation>
    </message>
    <message>
        <source>Nettowaarde van deze portefeuille min die van de basis</source>
        <translation>This portfolio&apos;s net worth minus the baseline&apos;s</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Unable to open file</translation>
    </message>
    <message>
        <source>%1 (vastgelegd)</source>
        <translation>%1 (kept)</translation>
    </message>
    <message>
        <source>Basis: %1</source>
        <translation>Baseline: %1</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Baseline</translation>
    </message>
    <message>
        <source>Verschil</source>
        <translation>Difference</translation>
    </message>
</context>
<context>
    <name>Box3Assumptions</name>
    <message>
        <source>zoals %1: %2</source>
        <translation>as %1: %2</translation>
    </message>
    <message>
        <source>eigen waarde</source>
        <translation>own value</translation>
    </message>
    <message>
        <source>zoals %1: eigen waarde</source>
        <translation>as %1: own value</translation>
    </message>
</context>
<context>
    <name>ChartData</name>
    <message>
        <source>Maandelijkse Cashflow</source>
        <translation>Monthly Cash Flow</translation>
    </message>
    <message>
        <source>Netto vermogen</source>
        <translation>Net worth</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>De grafiek kon niet worden getekend.</source>
        <translation>The chart could not be drawn.</translation>
    </message>
</context>
<context>
    <name>ChartMath</name>
    <message>
        <source> mld</source>
        <translation> bn</translation>
    </message>
    <message>
        <source> mln</source>
        <translation> m</translation>
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
        <translation>Year</translation>
    </message>
    <message>
        <source>Inleg/1x</source>
        <translation>Deposit/1x</translation>
    </message>
    <message>
        <source>Inleg/maand</source>
        <translation>Deposit/month</translation>
    </message>
    <message>
        <source>Inleg periode(j)</source>
        <translation>Dep. term(y)</translation>
    </message>
    <message>
        <source>Kostprijs</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Huur/maand</source>
        <translation>Rent/month</translation>
    </message>
    <message>
        <source>Huurstijging/j(%)</source>
        <translation>Rent growth/y(%)</translation>
    </message>
    <message>
        <source>Waardestijging/j(%)</source>
        <translation>Value growth/y(%)</translation>
    </message>
    <message>
        <source>LTV(%)</source>
        <translation>LTV(%)</translation>
    </message>
    <message>
        <source>rente(%)</source>
        <translation>rate(%)</translation>
    </message>
    <message>
        <source>Hypotheek jaren</source>
        <translation>Mortgage years</translation>
    </message>
    <message>
        <source>Rendement</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>BeginJaar</source>
        <translation>StartYear</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Vastgoed</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Activa</source>
        <translation>Assets</translation>
    </message>
    <message>
        <source>Eigen inbreng</source>
        <translation>Own contribution</translation>
    </message>
    <message>
        <source>Schulden</source>
        <translation>Debt</translation>
    </message>
    <message>
        <source>Maandelijkse Inkomsten</source>
        <translation>Monthly Income</translation>
    </message>
    <message>
        <source>Maandelijkse lasten</source>
        <translation>Monthly costs</translation>
    </message>
    <message>
        <source>Maandelijkse CashFlow</source>
        <translation>Monthly CashFlow</translation>
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
        <translation>Type: the kind of investment of this row (choose from the list)</translation>
    </message>
    <message>
        <source>Jaartal: het jaar waarin de investering begint, bv 2020</source>
        <translation>Year: the year in which the investment starts, e.g. 2020</translation>
    </message>
    <message>
        <source>Inleg/1x: het bedrag dat u eenmalig inlegt, in euro</source>
        <translation>Deposit/1x: the amount you put in once, in euros</translation>
    </message>
    <message>
        <source>Inleg/maand: het bedrag dat u elke maand inlegt, in euro</source>
        <translation>Deposit/month: the amount you put in every month, in euros</translation>
    </message>
    <message>
        <source>Inleg periode(j): hoeveel jaar u inlegt; bij Cash voor cashflow de looptijd van de lening, in jaren</source>
        <translation>Dep. term(y): for how many years you put money in; for Cash voor cashflow the term of the loan, in years</translation>
    </message>
    <message>
        <source>Kostprijs: de aankoopprijs van het onderpand, in euro; bij Cash voor cashflow de minimale inleg</source>
        <translation>Price: the purchase price of the property, in euros; for Cash voor cashflow the minimum deposit</translation>
    </message>
    <message>
        <source>Huur/maand: de netto huur die het onderpand per maand opbrengt, in euro</source>
        <translation>Rent/month: the net rent the property yields per month, in euros</translation>
    </message>
    <message>
        <source>Huurstijging/j(%): hoeveel de huur per jaar stijgt, in procent (3 betekent 3 %)</source>
        <translation>Rent growth/y(%): how much the rent rises per year, in percent (3 means 3 %)</translation>
    </message>
    <message>
        <source>Waardestijging/j(%): hoeveel het onderpand per jaar in waarde stijgt, in procent</source>
        <translation>Value growth/y(%): how much the property gains in value per year, in percent</translation>
    </message>
    <message>
        <source>LTV(%): het deel van de kostprijs dat u leent (loan-to-value), in procent</source>
        <translation>LTV(%): the part of the price that you borrow (loan-to-value), in percent</translation>
    </message>
    <message>
        <source>rente(%): de hypotheekrente per jaar, in procent</source>
        <translation>rate(%): the mortgage interest rate per year, in percent</translation>
    </message>
    <message>
        <source>Hypotheek jaren: de looptijd van de hypotheek, in jaren</source>
        <translation>Mortgage years: the term of the mortgage, in years</translation>
    </message>
    <message>
        <source>Rendement: de opbrengst per jaar, in procent van het ingelegde bedrag</source>
        <translation>Return: the yield per year, in percent of the amount put in</translation>
    </message>
    <message>
        <source>BeginJaar: het jaar waarin de investering begon</source>
        <translation>StartYear: the year in which the investment began</translation>
    </message>
    <message>
        <source>Cash: het geld dat de investering tot dit jaar heeft opgeleverd min wat u erin stak, in euro</source>
        <translation>Cash: the money the investment has yielded up to this year minus what you put in, in euros</translation>
    </message>
    <message>
        <source>Vastgoed: de waarde van het onderpand in dit jaar, in euro</source>
        <translation>Property: the value of the property in this year, in euros</translation>
    </message>
    <message>
        <source>Activa: cash plus de waarde van het onderpand, in euro</source>
        <translation>Assets: cash plus the value of the property, in euros</translation>
    </message>
    <message>
        <source>Eigen inbreng: het eigen geld dat u in de investering stak, in euro</source>
        <translation>Own contribution: your own money put into the investment, in euros</translation>
    </message>
    <message>
        <source>Schulden: de resterende aflossingen inclusief rente, in euro</source>
        <translation>Debt: the remaining repayments including interest, in euros</translation>
    </message>
    <message>
        <source>Maandelijkse Inkomsten: huur of rente die de investering per maand opbrengt, in euro</source>
        <translation>Monthly Income: the rent or interest the investment yields per month, in euros</translation>
    </message>
    <message>
        <source>Maandelijkse lasten: de maandelijkse aflossing met rente, in euro</source>
        <translation>Monthly costs: the monthly repayment with interest, in euros</translation>
    </message>
    <message>
        <source>Maandelijkse CashFlow: inkomsten min lasten per maand, in euro</source>
        <translation>Monthly CashFlow: income minus costs per month, in euros</translation>
    </message>
    <message>
        <source>ROI(%): het rendement op de eigen inbreng (activa min schulden tegenover de eigen inbreng), in procent</source>
        <translation>ROI(%): the return on your own contribution (assets minus debt against the own contribution), in percent</translation>
    </message>
    <message>
        <source>Schulden: de resterende hoofdsom van de hypotheek, na de aflossingen tot dit jaar, in euro</source>
        <translation>Debt: the remaining principal of the mortgage, after the repayments up to this year, in euros</translation>
    </message>
</context>
<context>
    <name>CostTaxController</name>
    <message>
        <source>Kosten en belasting...</source>
        <translation>Costs and tax...</translation>
    </message>
    <message>
        <source>Kosten van vastgoed en de Box 3-belasting die de doorrekening aanneemt (standaard uit)</source>
        <translation>Costs of property and the Box 3 tax the projection assumes (off by default)</translation>
    </message>
</context>
<context>
    <name>CostTaxDialog</name>
    <message>
        <source>Kosten en belasting</source>
        <translation>Costs and tax</translation>
    </message>
    <message>
        <source>Kosten van vastgoed (type 0 en 1)</source>
        <translation>Costs of property (types 0 and 1)</translation>
    </message>
    <message>
        <source>Kosten koper</source>
        <translation>Purchase costs</translation>
    </message>
    <message>
        <source>Overdrachtsbelasting, notaris en makelaar als percentage van de kostprijs, betaald in het startjaar (8 % overdrachtsbelasting voor een woning die u niet zelf bewoont, vanaf 2026)</source>
        <translation>Transfer tax, notary and agent as a percentage of the price, paid in the start year (8 % transfer tax on a home you do not live in yourself, from 2026)</translation>
    </message>
    <message>
        <source>Onderhoud per jaar</source>
        <translation>Maintenance per year</translation>
    </message>
    <message>
        <source>Onderhoud als percentage van de waarde van het vastgoed in dat jaar, per jaar</source>
        <translation>Maintenance as a percentage of the property&apos;s value in that year, per year</translation>
    </message>
    <message>
        <source>Vaste lasten per jaar</source>
        <translation>Fixed charges per year</translation>
    </message>
    <message>
        <source>OZB, verzekering en VvE als percentage van de waarde van het vastgoed in dat jaar, per jaar</source>
        <translation>Property tax, insurance and owners&apos; association as a percentage of the property&apos;s value in that year, per year</translation>
    </message>
    <message>
        <source>Leegstand</source>
        <translation>Vacancy</translation>
    </message>
    <message>
        <source>Het deel van de huur dat niet binnenkomt, als percentage van de huur</source>
        <translation>The part of the rent not received, as a percentage of the rent</translation>
    </message>
    <message>
        <source>Beheer</source>
        <translation>Management</translation>
    </message>
    <message>
        <source>Beheerkosten als percentage van de ontvangen huur (na leegstand)</source>
        <translation>Management costs as a percentage of the rent received (after vacancy)</translation>
    </message>
    <message>
        <source>Box 3 (sparen en beleggen)</source>
        <translation>Box 3 (savings and investments)</translation>
    </message>
    <message>
        <source>Uit</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Forfaitair rendement</source>
        <translation>Deemed return</translation>
    </message>
    <message>
        <source>Werkelijk rendement vanaf 2028</source>
        <translation>Actual return from 2028</translation>
    </message>
    <message>
        <source>Uit: geen Box 3. Forfaitair: elk jaar over het vermogen op 1 januari met de forfaitaire rendementen. Werkelijk rendement vanaf 2028: tot en met 2027 forfaitair, daarna over het directe rendement</source>
        <translation>Off: no Box 3. Deemed: every year on the assets of 1 January at the deemed returns. Actual return from 2028: deemed up to 2027, then on the direct return</translation>
    </message>
    <message>
        <source>Box 3-stelsel</source>
        <translation>Box 3 regime</translation>
    </message>
    <message>
        <source>Stelsel</source>
        <translation>Regime</translation>
    </message>
    <message>
        <source>Fiscale partners</source>
        <translation>Fiscal partners</translation>
    </message>
    <message>
        <source>Met een fiscale partner tellen het heffingvrije vermogen, de schuldendrempel en het heffingvrije rendement dubbel</source>
        <translation>With a fiscal partner the tax-free allowance, the debt threshold and the tax-free return count twice</translation>
    </message>
    <message>
        <source>Het deel van de waarde van het vastgoed dat als WOZ-waarde telt voor Box 3 (100 %: de volle waarde)</source>
        <translation>The part of the property&apos;s value that counts as its WOZ value for Box 3 (100 %: the full value)</translation>
    </message>
    <message>
        <source>WOZ-factor</source>
        <translation>WOZ factor</translation>
    </message>
    <message>
        <source>Jaar</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Tarief %</source>
        <translation>Rate %</translation>
    </message>
    <message>
        <source>Heffingvrij p.p.</source>
        <translation>Allowance p.p.</translation>
    </message>
    <message>
        <source>Bank %</source>
        <translation>Bank %</translation>
    </message>
    <message>
        <source>Overig %</source>
        <translation>Other %</translation>
    </message>
    <message>
        <source>Schulden %</source>
        <translation>Debts %</translation>
    </message>
    <message>
        <source>Drempel p.p.</source>
        <translation>Threshold p.p.</translation>
    </message>
    <message>
        <source>Bron</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>De Box 3-regels per belastingjaar. Een waarde is te wijzigen; de bron staat in de tip van elke waarde. Een jaar na 2026 zonder eigen waarde neemt de waarden van het jaar ervoor over</source>
        <translation>The Box 3 rules per tax year. Every value can be changed; its source is in its tip. A year after 2026 without a value of its own takes the values of the year before</translation>
    </message>
    <message>
        <source>Box 3-regels per jaar</source>
        <translation>Box 3 rules per year</translation>
    </message>
    <message>
        <source>Een later belastingjaar om eigen waarden voor in te voeren</source>
        <translation>A later tax year to enter values of its own for</translation>
    </message>
    <message>
        <source>Nieuw belastingjaar</source>
        <translation>New tax year</translation>
    </message>
    <message>
        <source>Jaar toevoegen</source>
        <translation>Add year</translation>
    </message>
    <message>
        <source>Voegt het gekozen jaar toe aan de tabel, met de waarden van het jaar ervoor</source>
        <translation>Adds the chosen year to the table, with the values of the year before</translation>
    </message>
    <message>
        <source>Werkelijk rendement vanaf %1:</source>
        <translation>Actual return from %1:</translation>
    </message>
    <message>
        <source>Het tarief over het directe rendement boven het heffingvrije rendement (wetsvoorstel: 36 %)</source>
        <translation>The rate on the direct return above the tax-free return (bill: 36 %)</translation>
    </message>
    <message>
        <source>Tarief werkelijk rendement</source>
        <translation>Rate on actual return</translation>
    </message>
    <message>
        <source>Tarief</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Het directe rendement per persoon per jaar waarover geen belasting gaat (wetsvoorstel: € 1.800)</source>
        <translation>The direct return per person per year that is not taxed (bill: € 1,800)</translation>
    </message>
    <message>
        <source>Heffingvrij rendement per persoon</source>
        <translation>Tax-free return per person</translation>
    </message>
    <message>
        <source>Heffingvrij rendement p.p.</source>
        <translation>Tax-free return p.p.</translation>
    </message>
    <message>
        <source>Vereenvoudigd: Box 3 telt het vermogen op 1 januari zoals de doorrekening het geeft. De tegenbewijsregeling, de WOZ-tabellen en de verkoop van vastgoed (met de belasting over de waardestijging) zijn niet meegerekend.</source>
        <translation>Simplified: Box 3 counts the assets of 1 January as the projection gives them. The counter-evidence rule, the WOZ tables and the sale of property (with the tax on its gain in value) are not included.</translation>
    </message>
    <message>
        <source>Wat de berekening vereenvoudigt; zie de handleiding voor de regels en hun bronnen</source>
        <translation>What the computation simplifies; the manual gives the rules and their sources</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>De aannames overnemen: alle cijfers worden opnieuw berekend</source>
        <translation>Take the assumptions: every figure is computed again</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sluiten zonder iets te veranderen</source>
        <translation>Close without changing anything</translation>
    </message>
    <message>
        <source>Eigen invoer voor %1</source>
        <translation>Entered for %1</translation>
    </message>
    <message>
        <source>Bron: %1</source>
        <translation>Source: %1</translation>
    </message>
    <message>
        <source>eigen invoer</source>
        <translation>entered</translation>
    </message>
</context>
<context>
    <name>DutchFormat</name>
    <message>
        <source>Geen getal: de berekening geeft hier geen uitkomst, bijvoorbeeld doordat oneindig grote bedragen tegen elkaar wegvallen.</source>
        <translation>Not a number: the calculation has no result here, for instance because infinite amounts cancel each other out.</translation>
    </message>
    <message>
        <source>Geen getal: de uitkomst is oneindig groot, bijvoorbeeld door een oneindig grote invoer of een deling door nul.</source>
        <translation>Not a number: the result is infinitely large, for instance through an infinite input or a division by zero.</translation>
    </message>
    <message>
        <source>Geen getal: de uitkomst is oneindig negatief, bijvoorbeeld door een oneindig grote invoer of een deling door nul.</source>
        <translation>Not a number: the result is infinitely negative, for instance through an infinite input or a division by zero.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>CSV(*.csv);;All Files (*)</source>
        <translation>CSV(*.csv);;All Files (*)</translation>
    </message>
    <message>
        <source>Excel-werkmap (*.xlsx);;All Files (*)</source>
        <translation>Excel workbook (*.xlsx);;All Files (*)</translation>
    </message>
    <message>
        <source>Invest(*.inv);;All Files (*)</source>
        <translation>Invest(*.inv);;All Files (*)</translation>
    </message>
</context>
<context>
    <name>FormSetup</name>
    <message>
        <source>Financiele situatie per investering</source>
        <translation>Financial situation per investment</translation>
    </message>
    <message>
        <source>Soort investering van de Wealth Generator</source>
        <translation>Kind of investment of the Wealth Generator</translation>
    </message>
</context>
<context>
    <name>GoalSeekDialog</name>
    <message>
        <source>Wat is er nodig?</source>
        <translation>What does it take?</translation>
    </message>
    <message>
        <source>Wat zoekt u?</source>
        <translation>What are you looking for?</translation>
    </message>
    <message>
        <source>Rij</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Financieel vrij uiterlijk in</source>
        <translation>Financially free by</translation>
    </message>
    <message>
        <source>Nettowaarde minstens ... in</source>
        <translation>Net worth at least ... in</translation>
    </message>
    <message>
        <source>Doel</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>Jaar</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Nettowaarde</source>
        <translation>Net worth</translation>
    </message>
    <message>
        <source>met minstens</source>
        <translation>with at least</translation>
    </message>
    <message>
        <source> % kans</source>
        <translation> % chance</translation>
    </message>
    <message>
        <source>Zekerheid</source>
        <translation>Certainty</translation>
    </message>
    <message>
        <source>Bereken</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Afbreken</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Toepassen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Bezig met rekenen...</source>
        <translation>Calculating...</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Voorbeeld openen</source>
        <translation>Open example</translation>
    </message>
    <message>
        <source>Een voorbeeldportefeuille openen (niet opgeslagen), om het programma te leren kennen</source>
        <translation>Open an example portfolio (not saved) to get to know the program</translation>
    </message>
    <message>
        <source>Over Quorvant</source>
        <translation>About Quorvant</translation>
    </message>
    <message>
        <source>Versie, licentie van het lettertype en waar instellingen en herstelbestanden staan</source>
        <translation>Version, the licence of the font and where settings and recovery files are kept</translation>
    </message>
    <message>
        <source>Handleiding — Quorvant</source>
        <translation>Manual — Quorvant</translation>
    </message>
    <message>
        <source>Handleiding</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quorvant %1&lt;/h3&gt;&lt;p&gt;Projecteert hoe een portefeuille van investeringen jaar na jaar groeit.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Instellingen:&lt;/b&gt; %2&lt;br&gt;&lt;b&gt;Herstelbestanden:&lt;/b&gt; %3&lt;/p&gt;&lt;p&gt;&lt;b&gt;Lettertype:&lt;/b&gt; DejaVu Sans Condensed, meegeleverd onder de Bitstream Vera-licentie (vrij te gebruiken, te wijzigen en te verspreiden; de DejaVu-wijzigingen zijn publiek domein). De volledige tekst staat onder “Details”.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvant %1&lt;/h3&gt;&lt;p&gt;Projects how a portfolio of investments grows year by year.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Settings:&lt;/b&gt; %2&lt;br&gt;&lt;b&gt;Recovery files:&lt;/b&gt; %3&lt;/p&gt;&lt;p&gt;&lt;b&gt;Font:&lt;/b&gt; DejaVu Sans Condensed, shipped under the Bitstream Vera licence (free to use, change and distribute; the DejaVu changes are in the public domain). The full text is under “Details”.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>InvestFormat</name>
    <message>
        <source>File too large (more than %1 bytes)</source>
        <translation>File too large (more than %1 bytes)</translation>
    </message>
    <message>
        <source>“%1” is geen investeringsbestand: er staat geen enkel investeringstype in.</source>
        <translation>“%1” is no investment file: it holds no investment type at all.</translation>
    </message>
    <message>
        <source>“%1” lijkt onvolledig: %2 van de %3 velden.</source>
        <translation>“%1” seems incomplete: %2 of the %3 fields.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Taal</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Origineel</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Deze taal gebruiken vanaf de volgende start</source>
        <translation>Use this language from the next start on</translation>
    </message>
    <message>
        <source>Geldt vanaf de volgende start</source>
        <translation>Takes effect at the next start</translation>
    </message>
</context>
<context>
    <name>LineGraphs</name>
    <message>
        <source>Financiële groei</source>
        <translation>Financial growth</translation>
    </message>
    <message>
        <source>overige (%1)</source>
        <translation>others (%1)</translation>
    </message>
    <message>
        <source>Som</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Uitgaven</source>
        <translation>Spending</translation>
    </message>
    <message>
        <source>Financieel vrij in %1</source>
        <translation>Financially free in %1</translation>
    </message>
    <message>
        <source>Mediaan</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Opslaan als afbeelding...</source>
        <translation>Save as image...</translation>
    </message>
    <message>
        <source>De grafiek opslaan als PNG- of SVG-afbeelding (%1)</source>
        <translation>Save the chart as a PNG or SVG image (%1)</translation>
    </message>
    <message>
        <source>Kopiëren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>De grafiek als afbeelding naar het klembord kopiëren (%1)</source>
        <translation>Copy the chart to the clipboard as an image (%1)</translation>
    </message>
    <message>
        <source>Afdrukken...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>De grafiek afdrukken op één pagina (%1)</source>
        <translation>Print the chart on one page (%1)</translation>
    </message>
    <message>
        <source>Grafiek bewaren</source>
        <translation>Keep chart</translation>
    </message>
    <message>
        <source>Grafiek opslaan als afbeelding</source>
        <translation>Save chart as image</translation>
    </message>
    <message>
        <source>Afbeelding niet opgeslagen</source>
        <translation>Image not saved</translation>
    </message>
    <message>
        <source>De grafiek kon niet worden opgeslagen in %1:
%2</source>
        <translation>The chart could not be saved in %1:
%2</translation>
    </message>
    <message>
        <source>Grafiek afdrukken</source>
        <translation>Print chart</translation>
    </message>
    <message>
        <source>De printer %1 neemt de opdracht niet aan.</source>
        <translation>The printer %1 does not accept the job.</translation>
    </message>
    <message>
        <source>Het bestand %1 kon niet worden geschreven.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>Afdrukken mislukt</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>De grafiek kon niet worden afgedrukt. </source>
        <translation>The chart could not be printed. </translation>
    </message>
    <message>
        <source> (bovenrand)</source>
        <translation> (upper edge)</translation>
    </message>
    <message>
        <source> (onderrand)</source>
        <translation> (lower edge)</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Baseline</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kosten (maand)</source>
        <translation>Costs (month)</translation>
    </message>
    <message>
        <source>Box 3 (jaar)</source>
        <translation>Box 3 (year)</translation>
    </message>
    <message>
        <source>De lopende kosten van het vastgoed per maand in het gekozen jaar: onderhoud, vaste lasten en beheer (Kosten en belasting...)</source>
        <translation>The running costs of the property per month in the chosen year: maintenance, fixed charges and management (Costs and tax...)</translation>
    </message>
    <message>
        <source>De Box 3-belasting over het gekozen jaar, op het vermogen van 1 januari (Kosten en belasting...)</source>
        <translation>The Box 3 tax of the chosen year, on the assets of 1 January (Costs and tax...)</translation>
    </message>
    <message>
        <source>Quorvant</source>
        <translation>Quorvant</translation>
    </message>
    <message>
        <source>Manuele input</source>
        <translation>Manual input</translation>
    </message>
    <message>
        <source>Uw financiele situatie in jaar :</source>
        <translation>Your situation in year :</translation>
    </message>
    <message>
        <source>Wealth Generator (optioneel)</source>
        <translation>Wealth Generator (optional)</translation>
    </message>
    <message>
        <source>1) Vul bestaande investeringen in de tabel aan</source>
        <translation>1) Add your existing investments to the table</translation>
    </message>
    <message>
        <source>2) Wealthgenerator investeert automatisch voor jou, en toont hoe snel je aantal investeringen kunnen groeien.  Geef hieronder een paar parameters in, en druk op de Get Wealthy knop</source>
        <translation>2) The Wealth Generator invests for you automatically and shows how fast your number of investments can grow. Enter a few parameters below and press the Get Wealthy button</translation>
    </message>
    <message>
        <source>3) Kies een jaar voor een indicatie van je financiele situatie in dat jaar</source>
        <translation>3) Choose a year for an indication of your financial situation in that year</translation>
    </message>
    <message>
        <source>4) Toon een grafiek naar keuze + de som van alle investeringen</source>
        <translation>4) Show a chart of your choice + the sum of all investments</translation>
    </message>
    <message>
        <source>Nettowaarde</source>
        <translation>Net worth</translation>
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
        <translation>Onderpand met hefboom: leveraged (property, forex)
Onderpand zonder hefboom: unleveraged (property)
Cash for cashflow (you lend money out)
Compounded interest (savings, stock returns)</translation>
    </message>
    <message>
        <source>Get Wealthy</source>
        <translation>Get Wealthy</translation>
    </message>
    <message>
        <source>Investeringen</source>
        <translation>Investments</translation>
    </message>
    <message>
        <source>Clear Investments</source>
        <translation>Clear Investments</translation>
    </message>
    <message>
        <source>Toon de grafiek voor :</source>
        <translation>Show the chart of :</translation>
    </message>
    <message>
        <source>NettoWaarde</source>
        <translation>NetWorth</translation>
    </message>
    <message>
        <source>Cashflow</source>
        <translation>Cash flow</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Online Handleiding</source>
        <translation>Online Manual</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>De portefeuille opslaan in het huidige bestand</source>
        <translation>Save the portfolio in the current file</translation>
    </message>
    <message>
        <source>De doorrekening als Excel-werkmap: een blad met de jaartotalen en een blad per investering</source>
        <translation>The projection as an Excel workbook: a sheet of the yearly totals and a sheet per investment</translation>
    </message>
    <message>
        <source>De doorrekening als CSV die Nederlandse Excel in kolommen opent: puntkomma&apos;s en decimale komma&apos;s</source>
        <translation>The projection as CSV that a Dutch Excel opens in columns: semicolons and decimal commas</translation>
    </message>
    <message>
        <source>Bewerken</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Ongedaan maken</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Opnieuw</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Cellen wissen</source>
        <translation>Clear cells</translation>
    </message>
    <message>
        <source>Basis openen</source>
        <translation>Open baseline</translation>
    </message>
    <message>
        <source>Naamloos</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Voorbeeld</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>Geen getal — telt als 0</source>
        <translation>Not a number — counts as 0</translation>
    </message>
    <message>
        <source>%1: “%2” is geen getal — telt als 0</source>
        <translation>%1: “%2” is not a number — counts as 0</translation>
    </message>
    <message>
        <source>Jaartal fout</source>
        <translation>Wrong year</translation>
    </message>
    <message>
        <source>Vul een geldig jaartal in , bv 2020</source>
        <translation>Enter a valid year, e.g. 2020</translation>
    </message>
    <message>
        <source>Cel wijzigen</source>
        <translation>Change cell</translation>
    </message>
    <message>
        <source>Type wijzigen</source>
        <translation>Change type</translation>
    </message>
    <message>
        <source>Min. inleg</source>
        <translation>Min. dep.</translation>
    </message>
    <message>
        <source>Duurtijd(j)</source>
        <translation>Term(y)</translation>
    </message>
    <message>
        <source>Rij %1, %2: “%3” is geen getal — telt als 0</source>
        <translation>Row %1, %2: “%3” is not a number — counts as 0</translation>
    </message>
    <message>
        <source>Rij %1, %2: %3</source>
        <translation>Row %1, %2: %3</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>Unable to save file</translation>
    </message>
    <message>
        <source>Save invest file</source>
        <translation>Save invest file</translation>
    </message>
    <message>
        <source>Open Invest File</source>
        <translation>Open Invest File</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Unable to open file</translation>
    </message>
    <message>
        <source>Openen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>rij %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>de rijen %1</source>
        <translation>rows %1</translation>
    </message>
    <message>
        <source>Vul een geldig jaartal in , bv 2020

Het jaartal van %1 is leeg gelaten.</source>
        <translation>Enter a valid year, e.g. 2020

The year of %1 has been left empty.</translation>
    </message>
    <message>
        <source>De portefeuille is gewijzigd. Wijzigingen opslaan?</source>
        <translation>The portfolio has been changed. Save the changes?</translation>
    </message>
    <message>
        <source>Herstellen</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Scenario openen</source>
        <translation>Open scenario</translation>
    </message>
    <message>
        <source>Kosten en belasting</source>
        <translation>Costs and tax</translation>
    </message>
</context>
<context>
    <name>NumberTips</name>
    <message>
        <source>Geen getal — telt als 0</source>
        <translation>Not a number — counts as 0</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Dialog</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Beperk het jaaroverzicht tot :</source>
        <translation>Limit the years to :</translation>
    </message>
    <message>
        <source>Beperk het aantal investeringen tot :</source>
        <translation>Limit the investments to :</translation>
    </message>
    <message>
        <source>Geen geheel getal — de grens blijft zoals hij was</source>
        <translation>Not a whole number — the limit stays as it was</translation>
    </message>
</context>
<context>
    <name>PlanMenu</name>
    <message>
        <source>Wat is er nodig?...</source>
        <translation>What does it take?...</translation>
    </message>
    <message>
        <source>Zoek de inleg, de uitgaven of de kostprijs waarmee een doel gehaald wordt</source>
        <translation>Find the deposit, spending or price that meets a goal</translation>
    </message>
    <message>
        <source>Gevoeligheid...</source>
        <translation>Sensitivity...</translation>
    </message>
    <message>
        <source>Welke aanname het meeste uitmaakt voor het vrije jaar en de nettowaarde</source>
        <translation>Which assumption matters most for the free year and the net worth</translation>
    </message>
</context>
<context>
    <name>PlanReport</name>
    <message>
        <source>tarief</source>
        <translation>rate</translation>
    </message>
    <message>
        <source>heffingvrij vermogen</source>
        <translation>allowance</translation>
    </message>
    <message>
        <source>rendement bank</source>
        <translation>bank return</translation>
    </message>
    <message>
        <source>rendement overig</source>
        <translation>other return</translation>
    </message>
    <message>
        <source>rendement schulden</source>
        <translation>debt return</translation>
    </message>
    <message>
        <source>schuldendrempel</source>
        <translation>debt threshold</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Wealth Generator: %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Wealth Generator: %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>leeg</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rij %1&lt;/b&gt; – %2: %3</source>
        <translation>&lt;b&gt;Row %1&lt;/b&gt; – %2: %3</translation>
    </message>
    <message>
        <source>Geen volledige investering.</source>
        <translation>No complete investment.</translation>
    </message>
    <message>
        <source>(nieuwe portefeuille)</source>
        <translation>(new portfolio)</translation>
    </message>
    <message>
        <source>in euro&apos;s van vandaag (%1, %2 % inflatie per jaar)</source>
        <translation>in today&apos;s euros (%1, %2 % inflation a year)</translation>
    </message>
    <message>
        <source>in euro&apos;s van elk jaar</source>
        <translation>in each year&apos;s euros</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Plan: %1&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;Plan: %1&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Datum: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Date: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Deze portefeuille heeft nog geen volledige investering.</source>
        <translation>This portfolio has no complete investment yet.</translation>
    </message>
    <message>
        <source>&lt;p&gt;Horizon: %1 t/m %2; bedragen %3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Horizon: %1 to %2; amounts %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2 style=&quot;page-break-before: always;&quot;&gt;Invoer&lt;/h2&gt;</source>
        <translation>&lt;h2 style=&quot;page-break-before: always;&quot;&gt;Inputs&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Aannames&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Assumptions&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Grenzen: %1 jaren, %2 investeringen</source>
        <translation>Limits: %1 years, %2 investments</translation>
    </message>
    <message>
        <source>Inflatie: %1 % per jaar</source>
        <translation>Inflation: %1 % a year</translation>
    </message>
    <message>
        <source>Bedragen: %1</source>
        <translation>Amounts: %1</translation>
    </message>
    <message>
        <source>Maandelijkse uitgaven: %1 (euro&apos;s van vandaag)</source>
        <translation>Monthly spending: %1 (today&apos;s euros)</translation>
    </message>
    <message>
        <source>Maandelijkse uitgaven: geen doel</source>
        <translation>Monthly spending: no goal</translation>
    </message>
    <message>
        <source>Spreiding per jaar: waardestijging %1, huurstijging %2, rendement %3 procentpunt</source>
        <translation>Spread per year: value growth %1, rent growth %2, return %3 percentage points</translation>
    </message>
    <message>
        <source>Vergeleken met: %1</source>
        <translation>Compared with: %1</translation>
    </message>
    <message>
        <source>Vergeleken met: geen basis</source>
        <translation>Compared with: no baseline</translation>
    </message>
    <message>
        <source>&lt;h2 style=&quot;page-break-before: always;&quot;&gt;Jaaroverzicht&lt;/h2&gt;</source>
        <translation>&lt;h2 style=&quot;page-break-before: always;&quot;&gt;Year overview&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Geen jaren: de portefeuille heeft geen volledige investering.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No years: the portfolio has no complete investment.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Bedragen %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Amounts %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Uitgaven, spreiding%1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Spending, spread%1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source> en basis</source>
        <translation> and baseline</translation>
    </message>
    <message>
        <source>Maandelijkse cashflow</source>
        <translation>Monthly cash flow</translation>
    </message>
    <message>
        <source>Nettowaarde</source>
        <translation>Net worth</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Reproduceerbaarheid&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Reproducibility&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Programma: Quorvant %1</source>
        <translation>Program: Quorvant %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Seed: %1</translation>
    </message>
    <message>
        <source>Aantal paden: %1</source>
        <translation>Number of paths: %1</translation>
    </message>
    <message>
        <source>SHA-256 van de portefeuilletekst: &lt;tt&gt;%1&lt;/tt&gt;</source>
        <translation>SHA-256 of the portfolio text: &lt;tt&gt;%1&lt;/tt&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Let op:&lt;/b&gt; het plan bevat wijzigingen die nog niet zijn opgeslagen; de SHA-256 hoort bij de tekst zoals die nu zou worden opgeslagen, niet bij het bestand.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Note:&lt;/b&gt; the plan holds changes that have not been saved yet; the SHA-256 belongs to the text as it would be saved now, not to the file.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Dezelfde portefeuilletekst geeft met dezelfde versie, aannames, seed en hetzelfde aantal paden hetzelfde rapport.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The same portfolio text gives the same report with the same version, assumptions, seed and number of paths.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Plan: %1</source>
        <translation>Plan: %1</translation>
    </message>
    <message>
        <source>quorvant: gebruik: quorvant --report RAPPORT.pdf BESTAND
</source>
        <translation>quorvant: usage: quorvant --report REPORT.pdf FILE
</translation>
    </message>
    <message>
        <source>quorvant: %1 kan niet worden gelezen: %2
</source>
        <translation>quorvant: %1 cannot be read: %2
</translation>
    </message>
    <message>
        <source>quorvant: het rapport kan niet worden geschreven naar %1: %2
</source>
        <translation>quorvant: the report cannot be written to %1: %2
</translation>
    </message>
</context>
<context>
    <name>PlanViews</name>
    <message>
        <source>Jaaroverzicht</source>
        <translation>Year overview</translation>
    </message>
    <message>
        <source>Alle jaren van de horizon in één tabel</source>
        <translation>All years of the horizon in one table</translation>
    </message>
    <message>
        <source>Rapport...</source>
        <translation>Report...</translation>
    </message>
    <message>
        <source>Het hele plan als PDF op A4</source>
        <translation>The whole plan as a PDF on A4</translation>
    </message>
    <message>
        <source>Rapport afdrukken...</source>
        <translation>Print report...</translation>
    </message>
    <message>
        <source>Het hele plan afdrukken</source>
        <translation>Print the whole plan</translation>
    </message>
    <message>
        <source>Toon alle jaren van de horizon in één tabel</source>
        <translation>Show all years of the horizon in one table</translation>
    </message>
    <message>
        <source>Rapport opslaan</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Rapport niet opgeslagen</source>
        <translation>Report not saved</translation>
    </message>
    <message>
        <source>Het rapport kon niet worden opgeslagen in %1:
%2</source>
        <translation>The report could not be saved in %1:
%2</translation>
    </message>
    <message>
        <source>Rapport afdrukken</source>
        <translation>Print report</translation>
    </message>
</context>
<context>
    <name>PlanningPanel</name>
    <message>
        <source>Inflatie (%/j)</source>
        <translation>Inflation (%/y)</translation>
    </message>
    <message>
        <source>Verwachte inflatie per jaar in procenten; wordt onthouden, niet in het bestand bewaard</source>
        <translation>Expected inflation per year in percent; remembered, not saved in the file</translation>
    </message>
    <message>
        <source>Toon in euro&apos;s van vandaag</source>
        <translation>Show in today&apos;s euros</translation>
    </message>
    <message>
        <source>Alle bedragen omgerekend naar de koopkracht van dit jaar; ROI en jaartallen blijven gelijk</source>
        <translation>All amounts converted to this year&apos;s purchasing power; ROI and years stay as they are</translation>
    </message>
    <message>
        <source>Schuld als restschuld</source>
        <translation>Debt as principal</translation>
    </message>
    <message>
        <source>Toon als schuld wat van elke hypotheek nog af te lossen is; uit: alle betalingen die nog komen, rente inbegrepen</source>
        <translation>Show as debt what is still to be repaid of each mortgage; off: all payments still to come, interest included</translation>
    </message>
    <message>
        <source>Maandelijkse uitgaven</source>
        <translation>Monthly spending</translation>
    </message>
    <message>
        <source>Wat u per maand uitgeeft, in euro&apos;s van vandaag; leeg: geen doel</source>
        <translation>What you spend per month, in today&apos;s euros; empty: no goal</translation>
    </message>
    <message>
        <source>(euro&apos;s van vandaag, %1 % inflatie)</source>
        <translation>(today&apos;s euros, %1 % inflation)</translation>
    </message>
    <message>
        <source>Niet binnen de horizon</source>
        <translation>Not within the horizon</translation>
    </message>
    <message>
        <source>Financieel vrij in %1</source>
        <translation>Financially free in %1</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>Een negatief bedrag is niet aannemelijk</source>
        <translation>A negative amount is not plausible</translation>
    </message>
    <message>
        <source>LTV hoort tussen 0 en 100 % te liggen</source>
        <translation>LTV should lie between 0 and 100 %</translation>
    </message>
    <message>
        <source>Een daling van 100 % of meer per jaar is niet aannemelijk: de waarde is meteen weg</source>
        <translation>A fall of 100 % or more a year is not plausible: the value is gone at once</translation>
    </message>
    <message>
        <source>Een lening zonder looptijd telt nergens mee: vul het aantal jaren in</source>
        <translation>A loan without a term counts nowhere: enter the number of years</translation>
    </message>
    <message>
        <source>Inflatie buiten %1 .. %2 %: telt als 0</source>
        <translation>Inflation outside %1 .. %2 %: counts as 0</translation>
    </message>
    <message>
        <source>Uitgaven buiten 0 .. 10.000.000 per maand: geen doel</source>
        <translation>Spending outside 0 .. 10.000.000 a month: no goal</translation>
    </message>
</context>
<context>
    <name>PortfolioDocument</name>
    <message>
        <source>Naamloos</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>[*] — Quorvant</source>
        <translation>[*] — Quorvant</translation>
    </message>
    <message>
        <source>Recente bestanden</source>
        <translation>Recent files</translation>
    </message>
</context>
<context>
    <name>RealValues</name>
    <message>
        <source>Het eerste jaar vanaf wanneer de maandelijkse cashflow, in euro&apos;s van vandaag, de maandelijkse uitgaven dekt in dat jaar en in elk later jaar van de horizon</source>
        <translation>The first year from which the monthly cash flow, in today&apos;s euros, covers the monthly spending in that year and in every later year of the horizon</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>Naamloos</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Unable to open file</translation>
    </message>
    <message>
        <source>Quorvant</source>
        <translation>Quorvant</translation>
    </message>
    <message>
        <source>Er is niet-opgeslagen werk van %1 gevonden (%2).</source>
        <translation>Unsaved work of %1 has been found (%2).</translation>
    </message>
    <message>
        <source>Herstellen</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Verwerpen</source>
        <translation>Discard</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>Het herstelbestand is beschadigd.</source>
        <translation>The recovery file is damaged.</translation>
    </message>
    <message>
        <source>Naamloos</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Het herstelbestand is te groot.</source>
        <translation>The recovery file is too large.</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>een map</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>een pipe (FIFO)</source>
        <translation>a pipe (FIFO)</translation>
    </message>
    <message>
        <source>een socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>een apparaat</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>een bijzonder bestand</source>
        <translation>a special file</translation>
    </message>
    <message>
        <source>Geen gewoon bestand: %1 is %2.</source>
        <translation>Not a regular file: %1 is %2.</translation>
    </message>
    <message>
        <source>Geen gewoon bestand: %1 is een kring van symbolische koppelingen (%2).</source>
        <translation>Not a regular file: %1 is a loop of symbolic links (%2).</translation>
    </message>
    <message>
        <source>In de map %1 mag geen nieuw bestand worden gemaakt (alleen-lezen map), dus het bestand kon niet veilig worden vervangen</source>
        <translation>No new file may be made in the folder %1 (a read-only folder), so the file could not be replaced safely</translation>
    </message>
    <message>
        <source>De map %1 is beschermd (sticky) en het bestand is van een andere gebruiker, dus het bestand kon niet veilig worden vervangen</source>
        <translation>The folder %1 is protected (sticky) and the file is another user&apos;s, so the file could not be replaced safely</translation>
    </message>
    <message>
        <source>; het bestand zelf overschrijven lukte ook niet: %1</source>
        <translation>; overwriting the file itself failed too: %1</translation>
    </message>
    <message>
        <source>De schijf is vol: er is geen ruimte om het bestand te schrijven (%1).</source>
        <translation>The disk is full: there is no room to write the file (%1).</translation>
    </message>
    <message>
        <source>No file name given</source>
        <translation>No file name given</translation>
    </message>
</context>
<context>
    <name>ScenarioController</name>
    <message>
        <source>Scenario uit bestand...</source>
        <translation>Scenario from file...</translation>
    </message>
    <message>
        <source>Een investeringsbestand bewaren als scenario om naast deze portefeuille te zetten</source>
        <translation>Keep an investment file as a scenario to set beside this portfolio</translation>
    </message>
    <message>
        <source>Scenario van huidig scherm...</source>
        <translation>Scenario from the current screen...</translation>
    </message>
    <message>
        <source>Een kopie van deze portefeuille bewaren als scenario, onder een naam</source>
        <translation>Keep a copy of this portfolio as a scenario, under a name</translation>
    </message>
    <message>
        <source>Scenario&apos;s vergelijken</source>
        <translation>Compare scenarios</translation>
    </message>
    <message>
        <source>De bewaarde scenario&apos;s naast elkaar: vrij jaar, nettowaarde, cashflow en kans</source>
        <translation>The kept scenarios side by side: free year, net worth, cash flow and chance</translation>
    </message>
    <message>
        <source>geen</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Naam van het scenario:</source>
        <translation>Name of the scenario:</translation>
    </message>
    <message>
        <source>Scenario&apos;s</source>
        <translation>Scenarios</translation>
    </message>
    <message>
        <source>Hernoemen...</source>
        <translation>Rename...</translation>
    </message>
    <message>
        <source>Verwijderen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Scenario van huidig scherm</source>
        <translation>Scenario from the current screen</translation>
    </message>
    <message>
        <source>Scenario hernoemen</source>
        <translation>Rename scenario</translation>
    </message>
    <message>
        <source>Er zijn al %1 scenario&apos;s; verwijder er eerst een.</source>
        <translation>There are already %1 scenarios; remove one first.</translation>
    </message>
    <message>
        <source>Vrij vanaf</source>
        <translation>Free from</translation>
    </message>
    <message>
        <source>Nettowaarde %1</source>
        <translation>Net worth %1</translation>
    </message>
    <message>
        <source>Cashflow per maand %1</source>
        <translation>Cash flow a month %1</translation>
    </message>
    <message>
        <source>Kans vrij in %1</source>
        <translation>Chance free in %1</translation>
    </message>
    <message>
        <source>Huidige portefeuille</source>
        <translation>Current portfolio</translation>
    </message>
    <message>
        <source>wordt berekend...</source>
        <translation>calculating...</translation>
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
        <translation>There are already %1 scenarios; remove one first.</translation>
    </message>
</context>
<context>
    <name>Sensitivity</name>
    <message>
        <source>Kosten koper (%)</source>
        <translation>Purchase costs (%)</translation>
    </message>
    <message>
        <source>Onderhoud (% van de waarde)</source>
        <translation>Maintenance (% of the value)</translation>
    </message>
    <message>
        <source>Vaste lasten (% van de waarde)</source>
        <translation>Fixed charges (% of the value)</translation>
    </message>
    <message>
        <source>Leegstand (% van de huur)</source>
        <translation>Vacancy (% of the rent)</translation>
    </message>
    <message>
        <source>Beheer (% van de huur)</source>
        <translation>Management (% of the rent)</translation>
    </message>
</context>
<context>
    <name>SensitivityWindow</name>
    <message>
        <source>geen</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Gevoeligheid</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>Nettowaarde in</source>
        <translation>Net worth in</translation>
    </message>
    <message>
        <source>Bereken</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Aanname</source>
        <translation>Assumption</translation>
    </message>
    <message>
        <source>Waarde</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Stap</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Vrij (−)</source>
        <translation>Free (−)</translation>
    </message>
    <message>
        <source>Vrij (+)</source>
        <translation>Free (+)</translation>
    </message>
    <message>
        <source>Nettowaarde (−)</source>
        <translation>Net worth (−)</translation>
    </message>
    <message>
        <source>Nettowaarde (+)</source>
        <translation>Net worth (+)</translation>
    </message>
    <message>
        <source>Het plan zoals het is</source>
        <translation>The plan as it is</translation>
    </message>
    <message>
        <source>Verandering van de nettowaarde in %1 (plan: %2)</source>
        <translation>Change of the net worth in %1 (plan: %2)</translation>
    </message>
    <message>
        <source>aanname omlaag</source>
        <translation>assumption down</translation>
    </message>
    <message>
        <source>aanname omhoog</source>
        <translation>assumption up</translation>
    </message>
</context>
<context>
    <name>SheetExport</name>
    <message>
        <source>CSV voor Excel (puntkomma)</source>
        <translation>CSV for Excel (semicolon)</translation>
    </message>
    <message>
        <source>Excel-werkmap (.xlsx)</source>
        <translation>Excel workbook (.xlsx)</translation>
    </message>
    <message>
        <source>werkblad &apos;%1&apos; kan niet worden gemaakt</source>
        <translation>the sheet &apos;%1&apos; cannot be made</translation>
    </message>
    <message>
        <source>werkmap kan niet worden gemaakt</source>
        <translation>the workbook cannot be made</translation>
    </message>
</context>
<context>
    <name>SpreadDialog</name>
    <message>
        <source> procentpunt</source>
        <translation> percentage points</translation>
    </message>
    <message>
        <source>Spreiding</source>
        <translation>Spread</translation>
    </message>
    <message>
        <source>Spreiding van de waardestijging</source>
        <translation>Spread of the value growth</translation>
    </message>
    <message>
        <source>Hoeveel de waardestijging van jaar tot jaar rond de ingevulde waarde schommelt (standaardafwijking in procentpunten)</source>
        <translation>How much the value growth varies from year to year around the value entered (standard deviation in percentage points)</translation>
    </message>
    <message>
        <source>Spreiding van de huurstijging</source>
        <translation>Spread of the rent growth</translation>
    </message>
    <message>
        <source>Hoeveel de huurstijging van jaar tot jaar rond de ingevulde waarde schommelt (standaardafwijking in procentpunten)</source>
        <translation>How much the rent growth varies from year to year around the value entered (standard deviation in percentage points)</translation>
    </message>
    <message>
        <source>Spreiding van het rendement</source>
        <translation>Spread of the return</translation>
    </message>
    <message>
        <source>Hoeveel het rendement van jaar tot jaar rond de ingevulde waarde schommelt (standaardafwijking in procentpunten)</source>
        <translation>How much the return varies from year to year around the value entered (standard deviation in percentage points)</translation>
    </message>
    <message>
        <source>Aantal paden</source>
        <translation>Number of paths</translation>
    </message>
    <message>
        <source>Hoeveel mogelijke verlopen worden doorgerekend; meer paden geven gladdere banden maar rekenen langer</source>
        <translation>How many possible courses are calculated; more paths give smoother bands but take longer</translation>
    </message>
    <message>
        <source>&amp;Waardestijging:</source>
        <translation>&amp;Value growth:</translation>
    </message>
    <message>
        <source>&amp;Huurstijging:</source>
        <translation>&amp;Rent growth:</translation>
    </message>
    <message>
        <source>&amp;Rendement:</source>
        <translation>R&amp;eturn:</translation>
    </message>
    <message>
        <source>Aantal &amp;paden:</source>
        <translation>Number of &amp;paths:</translation>
    </message>
    <message>
        <source>De hypotheekrente blijft vast.</source>
        <translation>The mortgage interest stays fixed.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UncertaintyPanel</name>
    <message>
        <source>Spreiding</source>
        <translation>Spread</translation>
    </message>
    <message>
        <source>Toon hoe breed de uitkomsten zijn: duizenden paden met wisselende waardestijging, huurstijging en rendement</source>
        <translation>Show how wide the outcomes are: thousands of paths with varying value growth, rent growth and return</translation>
    </message>
    <message>
        <source>Instellingen...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>De spreiding per jaar en het aantal paden</source>
        <translation>The spread per year and the number of paths</translation>
    </message>
    <message>
        <source>Spreiding: %1 van %2 paden berekend</source>
        <translation>Spread: %1 of %2 paths calculated</translation>
    </message>
    <message>
        <source>Spreiding wordt berekend...</source>
        <translation>Calculating the spread...</translation>
    </message>
    <message>
        <source>Nettowaarde %1: 10%: %2 · 50%: %3 · 90%: %4</source>
        <translation>Net worth %1: 10%: %2 · 50%: %3 · 90%: %4</translation>
    </message>
    <message>
        <source>Kans financieel vrij uiterlijk %1: %2</source>
        <translation>Chance of being free by %1: %2</translation>
    </message>
</context>
<context>
    <name>WealthLabelTable</name>
    <message>
        <source>BeginJaar</source>
        <translation>StartYear</translation>
    </message>
    <message>
        <source>Eenmalige inleg</source>
        <translation>One-off deposit</translation>
    </message>
    <message>
        <source>Maandelijkse inleg</source>
        <translation>Monthly deposit</translation>
    </message>
    <message>
        <source>Kostprijs</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Inlegperiode(jaar)</source>
        <translation>Deposit term(years)</translation>
    </message>
    <message>
        <source>Netto Huur/maand</source>
        <translation>Net Rent/month</translation>
    </message>
    <message>
        <source>Minimum inleg</source>
        <translation>Minimum deposit</translation>
    </message>
    <message>
        <source>Huurstijging (%)</source>
        <translation>Rent growth (%)</translation>
    </message>
    <message>
        <source>Rendement</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Waardestijging (%)</source>
        <translation>Value growth (%)</translation>
    </message>
    <message>
        <source>LTV (%)</source>
        <translation>LTV (%)</translation>
    </message>
    <message>
        <source>Hypotheekrente (%)</source>
        <translation>Mortgage rate (%)</translation>
    </message>
    <message>
        <source>Hypotheekduur(j)</source>
        <translation>Mortgage term(y)</translation>
    </message>
    <message>
        <source>bv. 2026</source>
        <translation>e.g. 2026</translation>
    </message>
    <message>
        <source>bv. 50.000</source>
        <translation>e.g. 50.000</translation>
    </message>
    <message>
        <source>bv. 500</source>
        <translation>e.g. 500</translation>
    </message>
    <message>
        <source>bv. 200.000</source>
        <translation>e.g. 200.000</translation>
    </message>
    <message>
        <source>bv. 150.000</source>
        <translation>e.g. 150.000</translation>
    </message>
    <message>
        <source>bv. 10</source>
        <translation>e.g. 10</translation>
    </message>
    <message>
        <source>bv. 1.000</source>
        <translation>e.g. 1.000</translation>
    </message>
    <message>
        <source>bv. 800</source>
        <translation>e.g. 800</translation>
    </message>
    <message>
        <source>bv. 10.000</source>
        <translation>e.g. 10.000</translation>
    </message>
    <message>
        <source>bv. 2</source>
        <translation>e.g. 2</translation>
    </message>
    <message>
        <source>bv. 4</source>
        <translation>e.g. 4</translation>
    </message>
    <message>
        <source>bv. 3</source>
        <translation>e.g. 3</translation>
    </message>
    <message>
        <source>bv. 80</source>
        <translation>e.g. 80</translation>
    </message>
    <message>
        <source>bv. 20</source>
        <translation>e.g. 20</translation>
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
        <translation>Total cash at the end of the year</translation>
    </message>
    <message>
        <source>Vastgoed</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Totale waarde van het vastgoed</source>
        <translation>Total value of the property</translation>
    </message>
    <message>
        <source>Activa</source>
        <translation>Assets</translation>
    </message>
    <message>
        <source>Cash plus vastgoed</source>
        <translation>Cash plus property</translation>
    </message>
    <message>
        <source>Eigen inbreng</source>
        <translation>Own contribution</translation>
    </message>
    <message>
        <source>Totale eigen inbreng</source>
        <translation>Total own contribution</translation>
    </message>
    <message>
        <source>Schulden</source>
        <translation>Debt</translation>
    </message>
    <message>
        <source>Totale schulden</source>
        <translation>Total debt</translation>
    </message>
    <message>
        <source>Inkomsten p/m</source>
        <translation>Income p/m</translation>
    </message>
    <message>
        <source>Maandelijkse inkomsten</source>
        <translation>Monthly income</translation>
    </message>
    <message>
        <source>Lasten p/m</source>
        <translation>Costs p/m</translation>
    </message>
    <message>
        <source>Maandelijkse lasten</source>
        <translation>Monthly costs</translation>
    </message>
    <message>
        <source>Cashflow p/m</source>
        <translation>Cash flow p/m</translation>
    </message>
    <message>
        <source>Maandelijkse cashflow</source>
        <translation>Monthly cash flow</translation>
    </message>
    <message>
        <source>Nettowaarde</source>
        <translation>Net worth</translation>
    </message>
    <message>
        <source>Activa min schulden</source>
        <translation>Assets minus debt</translation>
    </message>
    <message>
        <source>Jaar</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Kalenderjaar</source>
        <translation>Calendar year</translation>
    </message>
    <message>
        <source>Uitgaven p/m</source>
        <translation>Spending p/m</translation>
    </message>
    <message>
        <source>De maandelijkse uitgaven in de euro&apos;s van de tabel</source>
        <translation>The monthly spending in the table&apos;s euros</translation>
    </message>
    <message>
        <source>Vrij</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Het eerste jaar waarin de cashflow de uitgaven dekt</source>
        <translation>The first year in which the cash flow covers the spending</translation>
    </message>
    <message>
        <source>Nettowaarde: 10e percentiel van de paden</source>
        <translation>Net worth: 10th percentile of the paths</translation>
    </message>
    <message>
        <source>Nettowaarde: mediaan van de paden</source>
        <translation>Net worth: median of the paths</translation>
    </message>
    <message>
        <source>Nettowaarde: 90e percentiel van de paden</source>
        <translation>Net worth: 90th percentile of the paths</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Baseline</translation>
    </message>
    <message>
        <source>Nettowaarde van de basis</source>
        <translation>The baseline&apos;s net worth</translation>
    </message>
    <message>
        <source>Verschil</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Nettowaarde min die van de basis</source>
        <translation>Net worth minus the baseline&apos;s</translation>
    </message>
    <message>
        <source> mln</source>
        <translation> m</translation>
    </message>
    <message>
        <source>is de maandelijkse cashflow in %1 hoger dan de uitgaven van %2</source>
        <translation>the monthly cash flow in %1 is higher than the spending of %2</translation>
    </message>
    <message>
        <source>dekt de maandelijkse cashflow binnen de horizon de uitgaven van %1 niet</source>
        <translation>the monthly cash flow does not cover the spending of %1 within the horizon</translation>
    </message>
    <message>
        <source>is de maandelijkse cashflow in %1 %2</source>
        <translation>the monthly cash flow in %1 is %2</translation>
    </message>
    <message>
        <source>de nettowaarde in %1 is %2</source>
        <translation>the net worth in %1 is %2</translation>
    </message>
    <message>
        <source>Met deze portefeuille %1; %2.</source>
        <translation>With this portfolio %1; %2.</translation>
    </message>
    <message>
        <source> (10–90 %: %1–%2)</source>
        <translation> (10–90 %: %1–%2)</translation>
    </message>
    <message>
        <source>vrij</source>
        <translation>free</translation>
    </message>
</context>
<context>
    <name>YearOverviewWindow</name>
    <message>
        <source>Jaaroverzicht</source>
        <translation>Year overview</translation>
    </message>
    <message>
        <source>De hele portefeuille of één investering per jaar</source>
        <translation>The whole portfolio or one investment per year</translation>
    </message>
    <message>
        <source>Weergave</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Kopiëren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Kopieer de gekozen cellen (of de hele tabel) voor een spreadsheet</source>
        <translation>Copy the chosen cells (or the whole table) for a spreadsheet</translation>
    </message>
    <message>
        <source>Kies een rij om dat jaar in het hoofdvenster te tonen; Ctrl+C kopieert</source>
        <translation>Choose a row to show that year in the main window; Ctrl+C copies</translation>
    </message>
    <message>
        <source>Weergave:</source>
        <translation>View:</translation>
    </message>
    <message>
        <source>Portefeuille (totalen)</source>
        <translation>Portfolio (totals)</translation>
    </message>
    <message>
        <source>Rij %1: %2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>In euro&apos;s van vandaag (%1 % inflatie)</source>
        <translation>In today&apos;s euros (%1 % inflation)</translation>
    </message>
    <message>
        <source>In euro&apos;s van elk jaar</source>
        <translation>In each year&apos;s euros</translation>
    </message>
    <message>
        <source>Nog geen volledige investering</source>
        <translation>No complete investment yet</translation>
    </message>
</context>
</TS>
