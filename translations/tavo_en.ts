<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>TavoEdit</name>
    <!-- the About box, the manual, and the reasons that messages about files end in -->
    <message>
        <source>Info über tavoEdit</source>
        <translation>About tavoEdit</translation>
    </message>
    <message>
        <source>tavoEdit Version 1.0</source>
        <translation>tavoEdit version 1.0</translation>
    </message>
    <message>
        <source>help\Materialeditor.pdf</source>
        <translation>help\Materialeditor.en.pdf</translation>
    </message>
    <message>
        <source>Kein Programm konnte das Handbuch öffnen. Sie finden es hier:
</source>
        <translation>No program could open the manual. You will find it here:
</translation>
    </message>
    <message>
        <source>Das Handbuch wurde nicht gefunden:
</source>
        <translation>The manual was not found:
</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht gefunden</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Datenträger</source>
        <translation>No space left on the device</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt</source>
        <translation>The device is read-only</translation>
    </message>
    <message>
        <source>Das ist ein Ordner</source>
        <translation>This is a folder</translation>
    </message>
    <message>
        <source>Ein Teil des Pfades ist kein Ordner</source>
        <translation>A part of the path is not a folder</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang</source>
        <translation>The file name is too long</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>Nicht genug Speicher</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Das Gerät oder die Datei ist belegt</source>
        <translation>The device or file is busy</translation>
    </message>
    <message>
        <source>Ungültige Verknüpfung über Gerätegrenzen</source>
        <translation>Invalid link across devices</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Fehler beim Lesen der Datei</source>
        <translation>Error reading the file</translation>
    </message>
    <message>
        <source>Interner Fehler</source>
        <translation>Internal error</translation>
    </message>
    <message>
        <source>Unbekannte Auszeichnung nach '&lt;'</source>
        <translation>Unknown markup after '&lt;'</translation>
    </message>
    <message>
        <source>Fehler in einer Verarbeitungsanweisung oder der XML-Deklaration</source>
        <translation>Error in a processing instruction or the XML declaration</translation>
    </message>
    <message>
        <source>Fehler in einem Kommentar</source>
        <translation>Error in a comment</translation>
    </message>
    <message>
        <source>Fehler in einem CDATA-Abschnitt</source>
        <translation>Error in a CDATA section</translation>
    </message>
    <message>
        <source>Fehler in der Dokumenttyp-Deklaration</source>
        <translation>Error in the document type declaration</translation>
    </message>
    <message>
        <source>Fehler im Text eines Elements</source>
        <translation>Error in the text of an element</translation>
    </message>
    <message>
        <source>Fehler im Anfangs-Tag eines Elements</source>
        <translation>Error in the start tag of an element</translation>
    </message>
    <message>
        <source>Fehler in einem Attribut eines Elements</source>
        <translation>Error in an attribute of an element</translation>
    </message>
    <message>
        <source>Fehler im End-Tag eines Elements</source>
        <translation>Error in the end tag of an element</translation>
    </message>
    <message>
        <source>End-Tag passt nicht zum Anfangs-Tag</source>
        <translation>The end tag does not match the start tag</translation>
    </message>
    <message>
        <source>Kein Wurzelelement gefunden</source>
        <translation>No root element found</translation>
    </message>
    <message>
        <source>die Datei existiert nicht</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>die Datei enthält kein Wurzelelement</source>
        <translation>the file holds no root element</translation>
    </message>
    <message>
        <source>mehr als ein Wurzelelement</source>
        <translation>more than one root element</translation>
    </message>
    <message>
        <source>ein Attribut ist doppelt angegeben</source>
        <translation>an attribute is given twice</translation>
    </message>
    <message>
        <source>die Datei ist kein gültiger UTF-8-Text</source>
        <translation>the file is not valid UTF-8 text</translation>
    </message>
    <message>
        <source>nicht genug Speicher, um die Datei zu lesen</source>
        <translation>not enough memory to read the file</translation>
    </message>
    <message>
        <source>das Dokument ist nicht geöffnet</source>
        <translation>the document is not open</translation>
    </message>
    <message>
        <source>der neue Inhalt konnte die Datei nicht ersetzen</source>
        <translation>the new content could not replace the file</translation>
    </message>
    <message>
        <source>kann nicht geschrieben werden</source>
        <translation>cannot be written</translation>
    </message>
    <message>
        <source>das Schreiben ist fehlgeschlagen</source>
        <translation>writing failed</translation>
    </message>
    <!-- finding, provenance, the formula inspector, comparing and exporting -->
    <message>
        <source>Suchen: Kategorie, Norm, Objekt, Kurzname, Name (Strg+F)</source>
        <translation>Find: category, code, object, short name, name (Ctrl+F)</translation>
    </message>
    <message>
        <source>zuletzt geöffnet</source>
        <translation>recently opened</translation>
    </message>
    <message>
        <source>… und %1 weitere Treffer; genauer suchen</source>
        <translation>… and %1 more hits; narrow the search</translation>
    </message>
    <message>
        <source>Nichts gefunden</source>
        <translation>Nothing found</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Mit dem gezeigten Objekt vergleichen...</source>
        <translation>Compare with the shown object...</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Unterkategorie</source>
        <translation>Subcategory</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Objekt</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Standarddatei</source>
        <translation>standard file</translation>
    </message>
    <message>
        <source>Benutzerdatei</source>
        <translation>user file</translation>
    </message>
    <message>
        <source>Ebene %1 „%2“, %3</source>
        <translation>Level %1 “%2”, %3</translation>
    </message>
    <message>
        <source>Kurzname „%1“ auf den Ebenen %2; es gilt der Wert der Ebene %3.</source>
        <translation>Short name “%1” at the levels %2; the value of the level %3 counts.</translation>
    </message>
    <message>
        <source>Der Wert dieser Zeile wird überschrieben.</source>
        <translation>The value of this row is overridden.</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Herkunft</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>Formel von %1: %2 = %3</source>
        <translation>Formula of %1: %2 = %3</translation>
    </message>
    <message>
        <source>(berechnet)</source>
        <translation>(computed)</translation>
    </message>
    <message>
        <source>Nicht definiert (zählt als 0): %1</source>
        <translation>Not defined (counts as 0): %1</translation>
    </message>
    <message>
        <source>Objekte vergleichen</source>
        <translation>Compare objects</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Nicht alle Objekte haben diese Zeile</source>
        <translation>Not every object has this row</translation>
    </message>
    <message>
        <source>Die Werte unterscheiden sich</source>
        <translation>The values differ</translation>
    </message>
    <message>
        <source>Alle Gesetze</source>
        <translation>Every law</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Gewähltes Objekt...</source>
        <translation>Selected object...</translation>
    </message>
    <message>
        <source>Alle Objekte der Norm...</source>
        <translation>Every object of the code...</translation>
    </message>
    <message>
        <source>Alle Objekte der Unterkategorie...</source>
        <translation>Every object of the subcategory...</translation>
    </message>
    <message>
        <source>Alle Objekte der Kategorie...</source>
        <translation>Every object of the category...</translation>
    </message>
    <message>
        <source>Objekte der Norm vergleichen...</source>
        <translation>Compare the objects of the code...</translation>
    </message>
    <message>
        <source>gesperrt durch den Startschalter %1=%2</source>
        <translation>locked by the start switch %1=%2</translation>
    </message>
    <message>
        <source>Objekte der Standarddatei sind schreibgeschützt. Mit „Kopie erstellen“ legen Sie eine änderbare Kopie in Ihrer Benutzerdatei an.</source>
        <translation>Objects of the standard file are read-only. “Create copy” puts a copy you can change into your user file.</translation>
    </message>
    <message>
        <source>Zeile „%1“ der Ebene %2 „%3“: eine Änderung gilt für %4 Objekt.</source>
        <translation>Row “%1” of the level %2 “%3”: a change applies to %4 object.</translation>
    </message>
    <message>
        <source>Zeile „%1“ der Ebene %2 „%3“: eine Änderung gilt für %4 Objekte.</source>
        <translation>Row “%1” of the level %2 “%3”: a change applies to %4 objects.</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv);;JSON-Dateien (*.json)</source>
        <translation>CSV files (*.csv);;JSON files (*.json)</translation>
    </message>
    <message>
        <source>Der Export wurde nicht geschrieben:
</source>
        <translation>The export was not written:
</translation>
    </message>
</context>
<context>
    <name>TavoEdit</name>
    <message>
        <source>QO-TAVO  Material Editor</source>
        <translation>QO-TAVO  Material Editor</translation>
    </message>
    <message>
        <source>Gewähltes Objekt:</source>
        <translation>Selected object:</translation>
    </message>
    <message>
        <source>Geänderte Werte speichern</source>
        <translation>Save changed values</translation>
    </message>
    <message>
        <source>Kopie erstellen</source>
        <translation>Create copy</translation>
    </message>
    <message>
        <source>Aus Materialdatei löschen</source>
        <translation>Delete from material file</translation>
    </message>
    <message>
        <source>Priorität:</source>
        <translation>Priority:</translation>
    </message>
    <message>
        <source>Protokoll der Materialdatei</source>
        <translation>Material file protocol</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Inf&amp;o über tavoEdit...</source>
        <translation>&amp;About tavoEdit...</translation>
    </message>
    <message>
        <source>Kurzname</source>
        <translation>Short name</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Formel</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Wert2</source>
        <translation>Value 2</translation>
    </message>
    <message>
        <source>Wert3</source>
        <translation>Value 3</translation>
    </message>
    <message>
        <source>Wert4</source>
        <translation>Value 4</translation>
    </message>
    <message>
        <source>Wert5</source>
        <translation>Value 5</translation>
    </message>
    <message>
        <source>Wert6</source>
        <translation>Value 6</translation>
    </message>
    <message>
        <source>Wert7</source>
        <translation>Value 7</translation>
    </message>
    <message>
        <source>Wert8</source>
        <translation>Value 8</translation>
    </message>
    <message>
        <source>Wert9</source>
        <translation>Value 9</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Knoten</source>
        <translation>Node</translation>
    </message>
    <message>
        <source>Die QOR - Materialdatei wurde verändert,
Sollen die Änderungen gespeichert werden?</source>
        <translation>The QOR material file has been changed.
Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Die Benutzer - Materialdatei wurde verändert,
Sollen die Änderungen gespeichert werden?</source>
        <translation>The user material file has been changed.
Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Der angegebene Name existiert schon!</source>
        <translation>The name given exists already!</translation>
    </message>
    <message>
        <source>Sind Sie sicher, dass sie das Objekt '%s' löschen wollen?</source>
        <translation>Are you sure you want to delete the object '%s'?</translation>
    </message>
    <message>
        <source>Speichern als ASCII-Text</source>
        <translation>Save as ASCII text</translation>
    </message>
    <message>
        <source>Textdateien (*.txt);;Alle Dateien (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Die Materialdatei konnte nicht geöffnet werden und wird nicht gespeichert:
</source>
        <translation>The material file could not be opened and will not be saved:
</translation>
    </message>
    <message>
        <source>Die Materialdatei konnte nicht gespeichert werden; sie behält ihren bisherigen Inhalt:
</source>
        <translation>The material file could not be saved; it keeps its previous content:
</translation>
    </message>
    <message>
        <source>Das Protokoll konnte nicht geschrieben werden:
</source>
        <translation>The protocol could not be written:
</translation>
    </message>
    <message>
        <source>Die Materialdatei wurde seit dem Öffnen von einem anderen Programm geändert:
%s
Soll sie trotzdem überschrieben werden?</source>
        <translation>The material file was changed by another program since it was opened:
%s
Overwrite it anyway?</translation>
    </message>
    <message>
        <source>Beton</source>
        <translation>Concrete</translation>
    </message>
    <message>
        <source>Normalbeton</source>
        <translation>Normal-weight concrete</translation>
    </message>
    <message>
        <source>Stahl</source>
        <translation>Steel</translation>
    </message>
    <message>
        <source>Betonstahl</source>
        <translation>Reinforcing steel</translation>
    </message>
    <message>
        <source>Baustahl</source>
        <translation>Structural steel</translation>
    </message>
    <message>
        <source>Holz</source>
        <translation>Timber</translation>
    </message>
    <message>
        <source>Nadelholz</source>
        <translation>Softwood</translation>
    </message>
    <message>
        <source>EC2 NA (DE)</source>
        <translation>EC2 NA (DE)</translation>
    </message>
    <message>
        <source>Teilsicherheitsbeiwert für Beton</source>
        <translation>Partial safety factor for concrete</translation>
    </message>
    <message>
        <source>Beiwert für Langzeitwirkungen</source>
        <translation>Coefficient for long-term effects</translation>
    </message>
    <message>
        <source>Mittelwert der Zylinderdruckfestigkeit</source>
        <translation>Mean cylinder compressive strength</translation>
    </message>
    <message>
        <source>Mittelwert der zentrischen Zugfestigkeit</source>
        <translation>Mean axial tensile strength</translation>
    </message>
    <message>
        <source>Charakteristische Zugfestigkeit (5 %-Quantil)</source>
        <translation>Characteristic tensile strength (5 % fractile)</translation>
    </message>
    <message>
        <source>Charakteristische Zugfestigkeit (95 %-Quantil)</source>
        <translation>Characteristic tensile strength (95 % fractile)</translation>
    </message>
    <message>
        <source>Elastizitätsmodul (Sekantenmodul)</source>
        <translation>Modulus of elasticity (secant)</translation>
    </message>
    <message>
        <source>Stauchung bei Höchstspannung (nichtlinear)</source>
        <translation>Strain at peak stress (non-linear)</translation>
    </message>
    <message>
        <source>Bruchstauchung (nichtlinear)</source>
        <translation>Ultimate strain (non-linear)</translation>
    </message>
    <message>
        <source>Stauchung bei Höchstspannung (Parabel-Rechteck)</source>
        <translation>Strain at peak stress (parabola-rectangle)</translation>
    </message>
    <message>
        <source>Bruchstauchung (Parabel-Rechteck)</source>
        <translation>Ultimate strain (parabola-rectangle)</translation>
    </message>
    <message>
        <source>Exponent der Parabel</source>
        <translation>Exponent of the parabola</translation>
    </message>
    <message>
        <source>Stauchung bei Höchstspannung (bilinear)</source>
        <translation>Strain at peak stress (bilinear)</translation>
    </message>
    <message>
        <source>Bruchstauchung (bilinear)</source>
        <translation>Ultimate strain (bilinear)</translation>
    </message>
    <message>
        <source>Bemessungswert der Betondruckfestigkeit</source>
        <translation>Design compressive strength of concrete</translation>
    </message>
    <message>
        <source>Charakteristische Zylinderdruckfestigkeit</source>
        <translation>Characteristic cylinder compressive strength</translation>
    </message>
    <message>
        <source>Charakteristische Würfeldruckfestigkeit</source>
        <translation>Characteristic cube compressive strength</translation>
    </message>
    <message>
        <source>Teilsicherheitsbeiwert für Betonstahl</source>
        <translation>Partial safety factor for reinforcing steel</translation>
    </message>
    <message>
        <source>Elastizitätsmodul</source>
        <translation>Modulus of elasticity</translation>
    </message>
    <message>
        <source>Bemessungswert der Streckgrenze</source>
        <translation>Design yield strength</translation>
    </message>
    <message>
        <source>Dehnung an der Streckgrenze</source>
        <translation>Strain at yield</translation>
    </message>
    <message>
        <source>Charakteristische Streckgrenze</source>
        <translation>Characteristic yield strength</translation>
    </message>
    <message>
        <source>Verhältnis Zugfestigkeit zu Streckgrenze (ft/fy)k</source>
        <translation>Ratio of tensile strength to yield strength (ft/fy)k</translation>
    </message>
    <message>
        <source>Dehnung unter Höchstlast</source>
        <translation>Strain at maximum force</translation>
    </message>
    <message>
        <source>Charakteristische Zugfestigkeit</source>
        <translation>Characteristic tensile strength</translation>
    </message>
    <message>
        <source>Dichte</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Querdehnzahl</source>
        <translation>Poisson's ratio</translation>
    </message>
    <message>
        <source>Schubmodul</source>
        <translation>Shear modulus</translation>
    </message>
    <message>
        <source>Wärmeausdehnungskoeffizient</source>
        <translation>Coefficient of thermal expansion</translation>
    </message>
    <message>
        <source>Teilsicherheitsbeiwert Querschnittswiderstand</source>
        <translation>Partial factor for resistance of cross-sections</translation>
    </message>
    <message>
        <source>Teilsicherheitsbeiwert Bruch im Nettoquerschnitt</source>
        <translation>Partial factor for fracture of the net section</translation>
    </message>
    <message>
        <source>Bemessungswert der Streckgrenze (t &lt;= 40 mm)</source>
        <translation>Design yield strength (t &lt;= 40 mm)</translation>
    </message>
    <message>
        <source>Streckgrenze (t &lt;= 40 mm)</source>
        <translation>Yield strength (t &lt;= 40 mm)</translation>
    </message>
    <message>
        <source>Zugfestigkeit (t &lt;= 40 mm)</source>
        <translation>Ultimate tensile strength (t &lt;= 40 mm)</translation>
    </message>
    <message>
        <source>Streckgrenze (40 mm &lt; t &lt;= 80 mm)</source>
        <translation>Yield strength (40 mm &lt; t &lt;= 80 mm)</translation>
    </message>
    <message>
        <source>Zugfestigkeit (40 mm &lt; t &lt;= 80 mm)</source>
        <translation>Ultimate tensile strength (40 mm &lt; t &lt;= 80 mm)</translation>
    </message>
    <message>
        <source>Biegefestigkeit</source>
        <translation>Bending strength</translation>
    </message>
    <message>
        <source>Zugfestigkeit parallel</source>
        <translation>Tensile strength parallel to grain</translation>
    </message>
    <message>
        <source>Zugfestigkeit rechtwinklig</source>
        <translation>Tensile strength perpendicular to grain</translation>
    </message>
    <message>
        <source>Druckfestigkeit parallel</source>
        <translation>Compressive strength parallel to grain</translation>
    </message>
    <message>
        <source>Druckfestigkeit rechtwinklig</source>
        <translation>Compressive strength perpendicular to grain</translation>
    </message>
    <message>
        <source>Schubfestigkeit</source>
        <translation>Shear strength</translation>
    </message>
    <message>
        <source>Mittelwert des Elastizitätsmoduls parallel</source>
        <translation>Mean modulus of elasticity parallel to grain</translation>
    </message>
    <message>
        <source>5 %-Quantil des Elastizitätsmoduls parallel</source>
        <translation>5 % fractile of the modulus of elasticity parallel to grain</translation>
    </message>
    <message>
        <source>Mittelwert des Elastizitätsmoduls rechtwinklig</source>
        <translation>Mean modulus of elasticity perpendicular to grain</translation>
    </message>
    <message>
        <source>Mittelwert des Schubmoduls</source>
        <translation>Mean shear modulus</translation>
    </message>
    <message>
        <source>Charakteristische Rohdichte</source>
        <translation>Characteristic density</translation>
    </message>
    <message>
        <source>Mittelwert der Rohdichte</source>
        <translation>Mean density</translation>
    </message>
    <message>
        <source>&apos;%1&apos; nicht definiert</source>
        <translation>&apos;%1&apos; not defined</translation>
    </message>
    <message>
        <source>&apos;%1&apos; nicht implementiert.</source>
        <translation>&apos;%1&apos; not implemented.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; erwartet.</source>
        <translation>&apos;%1&apos; expected.</translation>
    </message>
    <message>
        <source>Unerwartetes Symbol: %1</source>
        <translation>Unexpected symbol: %1</translation>
    </message>
    <message>
        <source>Unerwartete Zeichen: %1</source>
        <translation>Unexpected characters: %1</translation>
    </message>
    <message>
        <source>Fehlerhaftes Zahlenformat: &apos;%1&apos;</source>
        <translation>Bad number format: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Unerlaubtes Zeichen (&apos;%1&apos;)</source>
        <translation>Illegal character (&apos;%1&apos;)</translation>
    </message>
    <message>
        <source>Unerlaubtes Zeichen (ASCII %1)</source>
        <translation>Illegal character (ASCII %1)</translation>
    </message>
    <message>
        <source>Fehler in %1</source>
        <translation>Error in %1</translation>
    </message>
    <message>
        <source>Wert von &apos;%1&apos; ist keine Zahl: &apos;%2&apos;</source>
        <translation>The value of &apos;%1&apos; is not a number: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Division durch Null.</source>
        <translation>Division by zero.</translation>
    </message>
    <message>
        <source>Formel zu tief verschachtelt (mehr als 200 Ebenen).</source>
        <translation>Formula nested too deeply (more than 200 levels).</translation>
    </message>
    <message>
        <source>Zu viele Würfe in roll (höchstens 1000000).</source>
        <translation>Too many throws in roll (at most 1000000).</translation>
    </message>
    <message>
        <source>Parabel-Rechteck</source>
        <translation>Parabola-rectangle</translation>
    </message>
    <message>
        <source>Bilinear</source>
        <translation>Bilinear</translation>
    </message>
    <message>
        <source>Nichtlinear</source>
        <translation>Nonlinear</translation>
    </message>
    <message>
        <source>Charakteristisch</source>
        <translation>Characteristic</translation>
    </message>
    <message>
        <source>Bemessung, geneigter Ast</source>
        <translation>Design, inclined branch</translation>
    </message>
    <message>
        <source>Bemessung, horizontaler Ast</source>
        <translation>Design, horizontal branch</translation>
    </message>
    <message>
        <source>Elastisch-plastisch</source>
        <translation>Elastic-plastic</translation>
    </message>
    <message>
        <source>%1: %2 fehlt</source>
        <translation>%1: %2 is missing</translation>
    </message>
    <message>
        <source>%1: %2 ist keine Zahl („%3“)</source>
        <translation>%1: %2 is not a number (“%3”)</translation>
    </message>
    <message>
        <source>%1: %2 ist nicht positiv (%3)</source>
        <translation>%1: %2 is not positive (%3)</translation>
    </message>
    <message>
        <source>%1: die Einheit „%3“ von %2 ist unbekannt</source>
        <translation>%1: the unit “%3” of %2 is unknown</translation>
    </message>
    <message>
        <source>%1: die Parameter ergeben keine Kurve</source>
        <translation>%1: the parameters give no curve</translation>
    </message>
    <message>
        <source>Als PNG speichern...</source>
        <translation>Save as PNG...</translation>
    </message>
    <message>
        <source>Als SVG speichern...</source>
        <translation>Save as SVG...</translation>
    </message>
    <message>
        <source>Diagramm speichern</source>
        <translation>Save diagram</translation>
    </message>
    <message>
        <source>SVG-Bilder (*.svg)</source>
        <translation>SVG images (*.svg)</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>das Bild kann nicht geschrieben werden</source>
        <translation>the picture cannot be written</translation>
    </message>
    <message>
        <source>Werte von %s geändert</source>
        <translation>Values of %s changed</translation>
    </message>
    <message>
        <source>neu berechnet beim Anzeigen von %s</source>
        <translation>recalculated when viewing %s</translation>
    </message>
    <message>
        <source>Kopie von %s erstellt</source>
        <translation>Copy of %s made</translation>
    </message>
    <message>
        <source>%s gelöscht</source>
        <translation>%s deleted</translation>
    </message>
    <message>
        <source>Priorität von %s geändert</source>
        <translation>Priority of %s changed</translation>
    </message>
    <message>
        <source>%s hinzugefügt</source>
        <translation>%s added</translation>
    </message>
    <message>
        <source>%s entfernt</source>
        <translation>%s removed</translation>
    </message>
    <message>
        <source>(fehlt)</source>
        <translation>(missing)</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Verlauf…</source>
        <translation>History…</translation>
    </message>
    <message>
        <source>Änderungsverlauf</source>
        <translation>History of changes</translation>
    </message>
    <message>
        <source>Stand beim Öffnen</source>
        <translation>As opened</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Details…</translation>
    </message>
    <message>
        <source>Änderung</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Nachher</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Ihre Änderungen</source>
        <translation>Your changes</translation>
    </message>
    <message>
        <source>Beim Anzeigen neu berechnet</source>
        <translation>Recalculated when viewed</translation>
    </message>
    <message>
        <source>Zusammenführen</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Die Materialdatei kann nicht zusammengeführt werden:
</source>
        <translation>The material file cannot be merged:
</translation>
    </message>
    <message>
        <source>Zusammengeführt mit der Datei auf der Festplatte</source>
        <translation>Merged with the file on disk</translation>
    </message>
    <message>
        <source>Hier und in der Datei auf der Festplatte wurde dasselbe verschieden geändert:</source>
        <translation>The same was changed differently here and in the file on disk:</translation>
    </message>
    <message>
        <source>Wählen Sie für jede Zeile, welche Fassung gilt.</source>
        <translation>Choose for every row which version applies.</translation>
    </message>
    <message>
        <source>(Element)</source>
        <translation>(element)</translation>
    </message>
    <message>
        <source>Pfad</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Attribut</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Hier</source>
        <translation>Here</translation>
    </message>
    <message>
        <source>Festplatte</source>
        <translation>On disk</translation>
    </message>
    <message>
        <source>Es gilt</source>
        <translation>Applies</translation>
    </message>
    <message>
        <source>(bitte wählen)</source>
        <translation>(please choose)</translation>
    </message>
</context>
<context>
    <name>CCopytDlg</name>
    <message>
        <source>Neuer Eintrag</source>
        <translation>New entry</translation>
    </message>
    <message>
        <source>Zu kopierendes Objekt:</source>
        <translation>Object to copy:</translation>
    </message>
    <message>
        <source>Neuer Name:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>Erzeugen in der Benutzer Datenbank</source>
        <translation>Create in the user database</translation>
    </message>
    <message>
        <source>Priorität:</source>
        <translation>Priority:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
