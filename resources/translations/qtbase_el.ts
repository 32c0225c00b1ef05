<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Μείωση</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Αύξηση</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Κόκκινο:</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>Κ&amp;ορεσμός:</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>&amp;Τιμή:</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>&amp;Απόχρωση:</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Επιλογή χρώματος</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>&amp;Προσθήκη στα προσαρμοσμένα χρώματα</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>Μ&amp;πλε:</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>Λή&amp;ψη χρώματος από την οθόνη</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Δείκτης στο %1, %2
Πατήστε ESC για ακύρωση</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>Π&amp;ράσινο:</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>&amp;Βασικά χρώματα</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>Προσαρμοσ&amp;μένα χρώματα</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>Διαφά&amp;νεια:</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Εργασία</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Τέλος:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Καμία</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Σελίδες-σημαίες</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Νύχτα (18:00 έως 05:59)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Συγκεκριμένη ώρα</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Στοιχεία χρέωσης:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Προγραμματισμένη εκτύπωση:</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Απόρρητο</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Άκρως απόρρητο</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Αρχή:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Ημέρα (06:00 έως 17:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Δεύτερη βάρδια (16:00 έως 23:59)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Έλεγχος εργασίας</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Σαββατοκύριακο (Σάββατο έως Κυριακή)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Κανονικό</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Διαβαθμισμένο</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Τρίτη βάρδια (00:00 έως 07:59)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Αναμονή επ' αόριστον</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Άμεση εκτύπωση</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Εμπιστευτικό</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Προτεραιότητα εργασίας:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Αδιαβάθμητο</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What's This?</source>
        <translation>Τι είναι αυτό;</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QErrorMessage</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Fatal Error:</source>
        <translation>Μοιραίο σφάλμα:</translation>
    </message>
    <message>
        <source>&amp;Show this message again</source>
        <translation>&amp;Να εμφανίζεται ξανά αυτό το μήνυμα</translation>
    </message>
    <message>
        <source>Critical Error:</source>
        <translation>Κρίσιμο σφάλμα:</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Πληροφορία:</translation>
    </message>
    <message>
        <source>Debug Message:</source>
        <translation>Μήνυμα αποσφαλμάτωσης:</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Προειδοποίηση:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Αρχεία</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Εμφάνιση </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>Το '%1' προστατεύεται από εγγραφή.
Να διαγραφεί παρ' όλα αυτά;</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Να διαγραφεί το '%1';</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Θέσεις και σελιδοδείκτες</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Ό&amp;νομα αρχείου:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Νέος φάκελος</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Γονικός φάκελος</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Νέος φάκελος</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Αναζήτηση σε:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Αρχεία τύπου:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Επιλογή φακέλου</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Εμφάνιση &amp;κρυφών αρχείων</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Ο φάκελος δεν βρέθηκε.
Ελέγξτε ότι δώσατε σωστό όνομα φακέλου.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Πλαϊνή στήλη</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Λίστα</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Επιλογή</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Φάκελοι</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Μετονομασία</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Ο φάκελος δεν μπόρεσε να διαγραφεί.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Φάκελος:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Το %1 υπάρχει ήδη.
Να αντικατασταθεί;</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Εμπρός</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Μετάβαση εμπρός</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Μετάβαση στον γονικό φάκελο</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Πρόσφατες θέσεις</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Μετάβαση πίσω</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Προβολή λεπτομερειών</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Λεπτομέρειες</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Το αρχείο δεν βρέθηκε.
Ελέγξτε ότι δώσατε σωστό όνομα αρχείου.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Προβολή λίστας</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Είδος</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Ο υπολογιστής μου</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Υπολογιστής</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Τελευταία αλλαγή</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Any</source>
        <translation>Οποιοδήποτε</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Λάο</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Έντονα</translation>
    </message>
    <message>
        <source>Demi</source>
        <translation>Ημι</translation>
    </message>
    <message>
        <source>N'Ko</source>
        <translation>Ν'Κο</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Ταϊλανδικά</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Λεπτά</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Μαύρα</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Πολύ</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Ελληνικά</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Χμερ</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Λατινικά</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ελαφριά</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>Όγκαμ</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Ορίγια</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>Ρουνικά</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Ταμίλ</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Κυριλλικά</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Κανάντα</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Μαλαγιάλαμ</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>Πολύ ελαφριά</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Απλοποιημένα κινεζικά</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <translation>Ημιέντονα</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Αραβικά</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Εβραϊκά</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Μιανμάρ</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Πλάγια</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Κορεατικά</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Μεσαία</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Κανονικά</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Κεκλιμένα</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Τελούγκου</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>Θαάνα</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Σύμβολα</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Συριακά</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>Πολύ έντονα</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>Ντεβαναγκάρι</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Ιαπωνικά</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Βεγγαλικά</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Αρμενικά</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Σινχαλέζικα</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Θιβετιανά</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Βιετναμικά</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Γκουτζαράτι</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Παραδοσιακά κινεζικά</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Γεωργιανά</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Γκουρμούκι</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Γραμματοσειρά</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Μέγεθος</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Δείγμα</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>Σ&amp;τυλ</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>Σύστημα &amp;γραφής</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Επιλογή γραμματοσειράς</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Υπογράμμιση</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Εφέ</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>Δια&amp;γράμμιση</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Κλείσιμο χωρίς αποθήκευση</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ά&amp;κυρο</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Δώστε μια τιμή:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Α&amp;κύρωση αναίρεσης</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QMdiArea</name>
    <message>
        <source>(Untitled)</source>
        <translation>(Χωρίς τίτλο)</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Μενού</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Μετακίνηση</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>Μέ&amp;γεθος</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Ελαχιστοποίηση</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Σύμπτυξη</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Πάντα σε &amp;πρώτο πλάνο</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>- [%1]</source>
        <translation>- [%1]</translation>
    </message>
    <message>
        <source>%1 - [%2]</source>
        <translation>%1 - [%2]</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Επαναφορά</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Μεγιστοποίηση</translation>
    </message>
    <message>
        <source>Unshade</source>
        <translation>Ανάπτυξη</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Ελα&amp;χιστοποίηση</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Με&amp;γιστοποίηση</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Επαναφορά</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Εμφάνιση λεπτομερειών...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Σχετικά με το Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Απόκρυψη λεπτομερειών...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Σχετικά με το Qt&lt;/h3&gt;&lt;p&gt;Το πρόγραμμα χρησιμοποιεί το Qt έκδοση %1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>κάτω περιθώριο</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Χαρτί</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Τροφοδοσία χαρτιού:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>δεξί περιθώριο</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Πίκα (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Περιθώρια</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Προσαρμοσμένο</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Οριζόντιος</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Διάταξη σελίδας</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Πλάτος:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Προσανατολισμός</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Ντιντό (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Κατακόρυφος</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Σειρά σελίδων:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>πάνω περιθώριο</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>αριστερό περιθώριο</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Μέγεθος σελίδας:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Κικέρων (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Αντίστροφος κατακόρυφος</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Χιλιοστά (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Στιγμές (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Σελίδες ανά φύλλο:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Ίντσες (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Αντίστροφος οριζόντιος</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Ύψος:</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Επαναφορά προεπιλογών</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Παράβλεψη</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Όχι σε ό&amp;λα</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Αποθήκευση όλων</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ναι σε ό&amp;λα</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Even Pages</source>
        <translation>Ζυγές σελίδες</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Επιλογές &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Επιλογές &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Αριστερά προς δεξιά, πάνω προς κάτω</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Δεξιά προς αριστερά, κάτω προς πάνω</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Εγγραφή αρχείου PDF</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Εκτύπωση</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>Οι επιλογές 'Σελίδες ανά φύλλο' και 'Σελίδες' δεν γίνεται να χρησιμοποιηθούν μαζί.
Απενεργοποιήστε τη μία από τις δύο.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>Το %1 υπάρχει ήδη.
Να αντικατασταθεί;</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Αριστερά προς δεξιά, κάτω προς πάνω</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Μονές σελίδες</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Τοπικό αρχείο</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Οι ρυθμίσεις διπλής όψης συγκρούονται. Θέλετε να τις διορθώσετε;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Εκτύπωση σε αρχείο (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Εκτύπωση σε αρχείο...</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Λάθος ορισμός σελίδων</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>Το %1 δεν είναι γραμμένο σωστά. Χωρίστε σελίδες και περιοχές με ',', ορίστε περιοχές με '-' και φροντίστε οι περιοχές να μην επικαλύπτονται.</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Δεξιά προς αριστερά, πάνω προς κάτω</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Κάτω προς πάνω, αριστερά προς δεξιά</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>Η τιμή 'Από' δεν μπορεί να είναι μεγαλύτερη από την τιμή 'Έως'.</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Όλες οι σελίδες</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Σύγκρουση ρυθμίσεων διπλής όψης</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>Το %1 είναι φάκελος.
Διαλέξτε άλλο όνομα αρχείου.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Στο αρχείο %1 δεν γίνεται εγγραφή.
Διαλέξτε άλλο όνομα αρχείου.</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Κάτω προς πάνω, δεξιά προς αριστερά</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Πάνω προς κάτω, αριστερά προς δεξιά</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Πάνω προς κάτω, δεξιά προς αριστερά</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Προσαρμογή στη σελίδα</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Οριζόντιος</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Σμίκρυνση</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Προσαρμογή στο πλάτος</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Κατακόρυφος</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Διαμόρφωση σελίδας</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Διαμόρφωση σελίδας</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Εμφάνιση όλων των σελίδων</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Πρώτη σελίδα</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Τελευταία σελίδα</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Εμφάνιση μίας σελίδας</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Εξαγωγή σε PDF</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Προηγούμενη σελίδα</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Επόμενη σελίδα</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Εμφάνιση αντικριστών σελίδων</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Σύγκρουση επιλογών για προχωρημένους</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Επιλογές εργασίας</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Σύγκρουση διαμόρφωσης σελίδας</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Ορισμένες επιλογές για προχωρημένους συγκρούονται. Θέλετε να τις διορθώσετε;</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Οι επιλογές διαμόρφωσης σελίδας συγκρούονται. Θέλετε να τις διορθώσετε;</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Ιδιότητες εκτυπωτή</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Σελίδα</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Ορισμένες επιλογές συγκρούονται. Διορθώστε τις.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Για προχωρημένους</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>έως</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Έγχρωμη</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Εκτύπωση όλων</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Σελίδες</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Τρέχουσα σελίδα</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Αντίτυπα</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Περιοχή εκτύπωσης</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Χρώμα</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Ρυθμίσεις εξόδου</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Αντίστροφη σειρά</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Αποχρώσεις του γκρι</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Συρραφή αντιτύπων</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Αντίτυπα:</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Βιβλιοδεσία στη μικρή πλευρά</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Δώστε σελίδες ή περιοχές χωρισμένες με κόμμα. Μια περιοχή είναι δύο αριθμοί με παύλα ανάμεσα. Π.χ. 3,5-7,9 τυπώνει τις σελίδες 3, 5, 6, 7 και 9.</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Σελίδες από</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Εκτύπωση διπλής όψης</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Σελίδες:</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Βιβλιοδεσία στη μεγάλη πλευρά</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Τύπος:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>Ό&amp;νομα:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Α&amp;ρχείο εξόδου:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>Ι&amp;διότητες</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Προεπισκόπηση</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Εκτυπωτής</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Θέση:</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translation>Αρχή</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Κύλιση κάτω</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Κύλιση εδώ</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Κύλιση αριστερά</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Σελίδα πάνω</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Σελίδα δεξιά</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Κύλιση πάνω</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Κύλιση δεξιά</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Αριστερό άκρο</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Σελίδα κάτω</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Σελίδα αριστερά</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Δεξί άκρο</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Α&amp;κύρωση αναίρεσης</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Αντιγραφή &amp;διεύθυνσης</translation>
    </message>
</context>
<context>
    <name>QWizard</name>
    <message>
        <source>Done</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Επόμενο</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Καταχώριση</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Συνέχεια</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Τέλος</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Επόμενο &gt;</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Πίσω</translation>
    </message>
</context>
</TS>
