#pragma once

#include <QLabel>

// A label that reads like a web link (blue, underlined, hand pointer) and reports a click, as the
// address and mail lines of the splash window and the about boxes do.
class TLinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TLinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
