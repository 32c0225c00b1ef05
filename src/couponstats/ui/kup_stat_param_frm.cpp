#include "couponstats/ui/kup_stat_param_frm.h"

#include "controls/styled/sty_design.h"

#include "couponstats/ui/key_press_filter.h"
#include "platform/core/errors.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace tav::couponstats;

namespace {

const char *const kCaption = "ΠΑΡΑΜΕΤΡΟΙ ΕΙΔΙΚΗΣ ΑΝΑΛΥΣΗΣ";
const char *const kGroupCaption = "ΣΗΜΕΙΑ ΠΡΟΤΑΣΗΣ";
const char *const kFrom = "οταν η διαφορά είναι από";
const char *const kTo = "έως και";
const char *const kSigns[3] = {"1", "Χ", "2"}; // the middle one is a Greek capital Chi
const char *const kBack = "&ΕΠΙΣΤΡΟΦΗ";
const char *const kSave = "&ΑΠΟΘΗΚΕΥΣΗ";
const char *const kApply = "Ε&ΦΑΡΜΟΓΗ";

} // namespace

Tkup_StatParamFrm::Tkup_StatParamFrm(QWidget *parent)
    : QDialog(parent), StyGroupBox1(new TStyGroupBox(this)), Edt1Apo(new QLineEdit(StyGroupBox1)),
      Edt1Eos(new QLineEdit(StyGroupBox1)), EdtXApo(new QLineEdit(StyGroupBox1)),
      EdtXEos(new QLineEdit(StyGroupBox1)), Edt2Apo(new QLineEdit(StyGroupBox1)),
      Edt2Eos(new QLineEdit(StyGroupBox1)), Panel1(new QWidget(this)),
      BBtnBack(new QPushButton(kBack, Panel1)), BBtnSave(new QPushButton(kSave, Panel1)),
      BitBtn1(new QPushButton(kApply, Panel1))
{
    setWindowTitle(kCaption);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(13);
    tav::styled::ReadDesign(*StyGroupBox1, {{{"Bevel.BorderInnerWidth", 1},
                                             {"Bevel.BorderWidth", 1},
                                             {"Bevel.EdgeStyle", "etRaised"},
                                             {"Bevel.Mode", "bmStandard"},
                                             {"Bevel.StandardStyle", "lsSingleRaised"},
                                             {"Caption", QString::fromUtf8(kGroupCaption)},
                                             {"CaptionFont", bold},
                                             {"CaptionFont3D.LightColor", QColor(Qt::green)},
                                             {"CaptionFont3D.LightDepth", 2},
                                             {"CaptionFont3D.ShadowColor", QColor(Qt::darkGreen)},
                                             {"CaptionFont3D.Style", "tdShadow"},
                                             {"CaptionFont3D.Tracing", 3},
                                             {"CaptionParentFont", false}}});

    const std::array<QLineEdit *, 6> edits = Edits();
    auto *lines = new QGridLayout(StyGroupBox1);
    for (int line = 0; line < 3; ++line) {
        lines->addWidget(new QLabel(kSigns[line], StyGroupBox1), line, 0);
        lines->addWidget(new QLabel(kFrom, StyGroupBox1), line, 1);
        lines->addWidget(edits[2 * line], line, 2);
        lines->addWidget(new QLabel(kTo, StyGroupBox1), line, 3);
        lines->addWidget(edits[2 * line + 1], line, 4);
    }
    const TThresholdTexts defaults = ThresholdTextsOf(kDefaultsA);
    for (std::size_t i = 0; i < edits.size(); ++i) {
        edits[i]->setText(defaults[i]);
        SetKeyPress(edits[i], [this](QChar &key) { Edt1ApoKeyPress(key); });
    }

    auto *buttons = new QHBoxLayout(Panel1);
    buttons->addStretch();
    buttons->addWidget(BBtnBack);
    buttons->addWidget(BBtnSave);
    buttons->addWidget(BitBtn1);
    auto *form = new QVBoxLayout(this);
    form->addWidget(StyGroupBox1);
    form->addWidget(Panel1);
    form->setSizeConstraint(QLayout::SetFixedSize);

    connect(BBtnBack, &QPushButton::clicked, this, [this] { done(mrCancel); });
    connect(BBtnSave, &QPushButton::clicked, this, &Tkup_StatParamFrm::BBtnSaveClick);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(mrAll); });
}

std::array<QLineEdit *, 6> Tkup_StatParamFrm::Edits() const
{
    return {Edt1Apo, Edt1Eos, EdtXApo, EdtXEos, Edt2Apo, Edt2Eos};
}

TThresholdTexts Tkup_StatParamFrm::Texts() const
{
    const std::array<QLineEdit *, 6> edits = Edits();
    TThresholdTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = edits[i]->text();
    return texts;
}

void Tkup_StatParamFrm::FormShow()
{
    const TThresholdTexts stored = ReadThresholdTexts(kDefaultsA);
    const std::array<QLineEdit *, 6> edits = Edits();
    for (std::size_t i = 0; i < edits.size(); ++i)
        edits[i]->setText(stored[i]);
}

void Tkup_StatParamFrm::BBtnSaveClick()
{
    try {
        WriteThresholdTexts(Texts());
    } catch (const EInOutError &error) {
        // Nothing is taken as saved: the dialog stays open with the texts as typed.
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    done(mrOk);
}

void Tkup_StatParamFrm::Edt1ApoKeyPress(QChar &key)
{
    const bool passes = key == QLatin1Char('\b') || key == QLatin1Char('\t') || key == QChar(0x1b) ||
                        key == QLatin1Char('-') || (key >= QLatin1Char('0') && key <= QLatin1Char('9'));
    if (!passes)
        key = QChar();
}

void Tkup_StatParamFrm::reject()
{
    done(mrCancel);
}

void Tkup_StatParamFrm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

Tkup_StatParamFrm *kup_StatParamFrm()
{
    static Tkup_StatParamFrm *dialog = nullptr;
    return LongLived(dialog, [] { return new Tkup_StatParamFrm; });
}
