#pragma once

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The look both statistic options dialogs share: the kinds above the N row (label, edit, "all"
// box) in the filter box, OK and Cancel below it at the right, the dialog as small as its
// contents; OK closes it with mrOk, Cancel with mrCancel.
struct TStatOptionsParts
{
    QGroupBox *filter;
    QGroupBox *kinds;
    QLabel *label;
    QLineEdit *param;
    QCheckBox *all;
    QPushButton *ok;
    QPushButton *cancel;
};
void LayOutStatOptions(QDialog &dialog, const TStatOptionsParts &parts);
