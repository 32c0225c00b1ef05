#include "app/tip_form.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/core/registry.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShowEvent>
#include <QStyle>

namespace {

const char *const kCaption = "Πληροφορία της Ημέρας";
const char *const kDidYouKnow = "Γνωρίζετε ότι ...";
const char *const kShowAtStart = "Να φαίνονται οι πληροφορίες κατά την εκκίνηση";
const char *const kNext = "&Επόμενη";
const char *const kClose = "&Κλείσιμο";
const char *const kKey = "Software\\Tavrolin\\General";
const char *const kSection = "Tips";
const char *const kShowTips = "ShowTips";
const char *const kEndFlag = "EndFlag";

} // namespace

const std::array<QString, TipCount> &Tips()
{
    static const std::array<QString, TipCount> tips = {
        "ΒΗΜΑ 1ο : Ανοίγοντας για πρώτη φορά το Tavrolin το πρώτο πράγμα που πρέπει να κάνετε, είναι να "
        "επιλέξετε από το κεντρικό μενού ΒΟΗΘΗΤΙΚΑ-ΛΗΨΗ ΚΟΥΠΟΝΙΩΝ,εφόσον έχετε κάνει σύνδεση με το Internet.",
        "ΒΗΜΑ 2ο : Ένα απαραίτητο βήμα είναι να ενημερώσετε τη βάση με τα κουπόνια , επιλέγοντας ΚΟΥΠΟΝΙΑ "
        "και "
        "Ενημέρωση από κουπόνι ΟΠΑΠ.Επιλέξτε το τρέχον κουπόνι , την τρέχουσα περίοδοκαι Ενημέρωση Αγώνων.",
        "ΒΗΜΑ 3ο : Εφόσον έχετε ενημερώσει τη βάση με τα κουπόνια , επιλέξτε από τα ΚΟΥΠΟΝΙΑ Ανάλυση "
        "Κουπονιού "
        "για να έχετε προτάσεις για τους αγώνες.",
        "Βασικό και απαραίτητο εργαλείο για την πρόβλεψη αποτελεσμάτων είναι η εφαρμογή των στατιστικών "
        "θεωριών στην πρόγνωση.",
        "Μελετήστε τις προτάσεις του προγράμματος και δημιουργήστε τα δικά σας Συστήματα για παιχνίδι.",
        "Βαθμολογίες,Προϊστορία, Πλέγμα Αποτελεσμάτων, Πορεία Ομάδων, Αναλύσεις , Συγκρίσεις , Προτάσεις, "
        "1,Χ,2,Ομάδες,Πρώτα,Δεύτερα,Τρίτα Σημεία, Διοργανώσεις (Πρωταθλήματα ,Κύπελα)             Μελετήστε "
        ", "
        "Παίξτε και Κερδίστε.",
        "Μπορείτε να προσθέσετε οποιοδήτε πρωτάθλημα μέσα από τις ΔΙΟΡΓΑΝΩΣΕΙΣ - ΕΝΗΜΕΡΩΣΗ.",
        "Για μεγαλύτερες επιτυχίες λάβετε υπόψη και τις προγνωστικές παρατηρήσεις - αναλύσεις και τις "
        "στατιστικές παρατηρήσεις που παρέχει το Velmistor.",
        "Ένα εργαλείο για τις στατιστικές αναλύσεις , σενάρια ,παρατηρήσεις και προτάσεις  προσαρμοσμένο "
        "ειδικά για τα κουπόνια του ΟΠΑΠ είναι το VELMISTOR.",
        "Η Ενημέρωση των κουπονιών ΟΠΑΠ από 1-60 αφορούν την περίοδο 2000-2001, από 61-149 την περίοδο "
        "2001-2002,από 150-τελευταίο την περίοδο 2002-2003.",
        "Μπορείτε να μεταφέρετε τα κουπονια σας από τη δισκέτα στο δίσκο σας επιλέγοντας από το κεντρικό "
        "μενού "
        "ΚΟΥΠΟΝΙΑ ΑΝΤΙΓΡΑΦΗ ΑΠΟ ΔΙΣΚΕΤΑ.",
        "Επιλέγοντας από τα ΒΟΗΘΗΤΙΚΑ - ΚΑΤΑΛΟΓΟΙ ΕΦΑΡΜΟΓΩΝ μπορείτε να ορίσετε τους φακέλους με τα κουπόνια "
        "των άλλων προγραμμάτων για να ενημερώνονται αυτόματα όταν θα κάνετε λήψη κουπονιών από Internet με "
        "το "
        "Tavrolin.",
        "Από το μενού ΣΤΟΙΧΕΙΑ - ΒΑΘΜΟΛΟΓΙΕΣ μπορείτε να δείτε τη βαθμολογία κάθε διοργάνωσης βάσει "
        "αγωνιστικών ή βάσει ημερομηνιών, μαζί με τις βαθμολογίες εντός και εκτός έδρας, και να τις "
        "αποθηκεύσετε ως κείμενο ή ως σελίδα για το Internet.",
        "Επιλέγοντας ΚΟΥΠΟΝΙΑ - Εκτύπωση Κουπονιού μπορείτε να εκτυπώσετε το κουπόνι που εσείς θέλετε.",
        "Επιλέγοντας ΚΟΥΠΟΝΙΑ - ΕΜΦΑΝΙΣΗ ΑΛΛΑΓΕΣ έχετε τη δυνατότητα να κάνετε οποιαδήποτε διόρθωση στο "
        "κουπόνι και αποθήκευση. Μετά από οποιαδήποτε αλλαγή για την ενημέρωση της βάσης επιλέξτε ΚΟΥΠΟΝΙΑ - "
        "ΕΝΗΜΕΡΩΣΗ ΑΠΟ ΚΟΥΠΟΝΙ ΟΠΑΠ.",
        "Με την επιλογή ΒΟΗΘΗΤΙΚΑ - ΑΝΤΙΓΡΑΦΗ (BACKUP) ΑΡΧΕΙΩΝ κρατάτε αντίγραφο της βάσης σε δύο φακέλους "
        "που "
        "εναλλάσσονται, ανάλογα με την ημέρα, ώστε να μπορείτε πάντα να επαναφέρετε τα αρχεία σας μέσα από "
        "την "
        "ΕΠΑΝΑΦΟΡΑ (RESTORE).",
        "Μια απαραίτητη ρύθμιση από τον πίνακα ελέγχου - BDE Administrator-Configuration-System-Init η τιμή "
        "του "
        "LOCAL SHARE=FALSE",
    };
    return tips;
}

bool ReadShowTips()
{
    return TRegIniFile(kKey).ReadBool(kSection, kShowTips, true);
}

void WriteShowTips(bool show)
{
    TRegIniFile(kKey).WriteBool(kSection, kShowTips, show);
}

bool ReadEndFlag()
{
    return TRegIniFile(kKey).ReadBool(kSection, kEndFlag, false);
}

void WriteEndFlag(bool shown)
{
    TRegIniFile(kKey).WriteBool(kSection, kEndFlag, shown);
}

TTipsDlg::TTipsDlg(QWidget *parent)
    : QDialog(parent), Panel1(new QFrame(this)), Image1(new QLabel(Panel1)),
      Label1(new QLabel(kDidYouKnow, Panel1)), Label2(new QLabel(Panel1)),
      ChkShowTips(new QCheckBox(kShowAtStart, this)), BitBtn2(new QPushButton(kNext, this)),
      BitBtn1(new QPushButton(kClose, this))
{
    setWindowTitle(kCaption);
    setFixedSize(343, 269);

    // The white panel inside its frame holds the picture, the heading and the tip.
    Panel1->setGeometry(8, 8, 327, 185);
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);
    Image1->setGeometry(8, 8, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    QFont heading = Label1->font();
    heading.setPixelSize(19);
    heading.setBold(true);
    Label1->setFont(heading);
    Label1->setGeometry(48, 12, 270, 26);
    Label2->setGeometry(40, 56, 281, 89);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ChkShowTips->setGeometry(8, 200, 327, 20);
    ChkShowTips->setChecked(true);
    BitBtn2->setGeometry(168, 232, 80, 27);
    BitBtn1->setGeometry(256, 232, 80, 27);
    BitBtn1->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &TTipsDlg::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TTipsDlg::reject);
}

void TTipsDlg::ShowRandomTip()
{
    Label2->setText(Tips()[QRandomGenerator::global()->bounded(TipCount)]);
}

void TTipsDlg::FormShow()
{
    ShowRandomTip();
    ChkShowTips->setChecked(ReadShowTips());
}

void TTipsDlg::BitBtn2Click()
{
    ShowRandomTip();
}

void TTipsDlg::FormClose()
{
    WriteShowTips(ChkShowTips->isChecked());
}

void TTipsDlg::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TTipsDlg::reject()
{
    done(mrCancel);
}

void TTipsDlg::showEvent(QShowEvent *event)
{
    // A window brought back from the task bar is no new showing.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

TTipsDlg *TipsDlg()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TTipsDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TTipsDlg; });
}
