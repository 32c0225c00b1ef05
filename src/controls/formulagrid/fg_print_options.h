#pragma once

#include <QObject>
#include <QString>

// How the formula grid prints: title, logo and footer of every page, the formats of the footer's
// date and time, the row range, the page the preview paints, cell frames, padding and margins
// (sizes in screen pixels, fonts in points).
class TPrintOptions : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TPrinterOrientation Orientation MEMBER Orientation)
    Q_PROPERTY(QString JobTitle MEMBER JobTitle)
    Q_PROPERTY(QString PageTitle MEMBER PageTitle)
    Q_PROPERTY(QString Logo MEMBER Logo)
    Q_PROPERTY(int PageTitleMargin MEMBER PageTitleMargin)
    Q_PROPERTY(QString PageFooter MEMBER PageFooter)
    Q_PROPERTY(int HeaderSize MEMBER HeaderSize)
    Q_PROPERTY(int FooterSize MEMBER FooterSize)
    Q_PROPERTY(QString DateFormat MEMBER DateFormat)
    Q_PROPERTY(QString TimeFormat MEMBER TimeFormat)
    Q_PROPERTY(int Copies MEMBER Copies)
    Q_PROPERTY(int FromRow MEMBER FromRow)
    Q_PROPERTY(int ToRow MEMBER ToRow)
    Q_PROPERTY(int PreviewPage MEMBER PreviewPage)
    Q_PROPERTY(TBorderStyle BorderStyle MEMBER BorderStyle)
    Q_PROPERTY(int Leftpadding MEMBER Leftpadding)
    Q_PROPERTY(int MarginBottom MEMBER MarginBottom)
    Q_PROPERTY(int MarginLeft MEMBER MarginLeft)
    Q_PROPERTY(int MarginTop MEMBER MarginTop)
    Q_PROPERTY(int MarginRight MEMBER MarginRight)
public:
    enum TPrinterOrientation
    {
        poPortrait,
        poLandscape
    };
    Q_ENUM(TPrinterOrientation)
    enum TBorderStyle
    {
        bsNone,
        bsSingle
    };
    Q_ENUM(TBorderStyle)

    explicit TPrintOptions(QObject *parent = nullptr) : QObject(parent) {}

    TPrinterOrientation Orientation = poPortrait;
    QString JobTitle;
    QString PageTitle;
    QString Logo;
    int PageTitleMargin = 0;
    QString PageFooter = QStringLiteral("date|time|page");
    int HeaderSize = 10;
    int FooterSize = 7;
    QString DateFormat = QStringLiteral("d-mmm-yyyy");
    QString TimeFormat = QStringLiteral("h:nn am/pm");
    int Copies = 0;
    int FromRow = 0;
    int ToRow = 0;
    int PreviewPage = 0;
    TBorderStyle BorderStyle = bsNone;
    int Leftpadding = 0;
    int MarginBottom = 0;
    int MarginLeft = 0;
    int MarginTop = 0;
    int MarginRight = 0;
};
