#pragma once

#include "controls/styled/sty_design.h"

#include <QObject>
#include <QString>

#include <functional>

// The base of the non-visual components of the styled controls (containers, the timer pool, the
// settings store): a component that is read from a design and tells its owner when it changed.
class TStyCustomComponent : public QObject, public TStyPersistent, public TStyLoadable
{
    Q_OBJECT

public:
    explicit TStyCustomComponent(QObject *owner = nullptr);

    // Shown by design tools; descendants publish it as About.
    QString About() const { return about_; }
    void SetAbout(const QString &value) { about_ = value; }

    std::function<void(TStyCustomComponent *)> OnChange;

    bool Updating() const { return updating_; }
    void BeginUpdate();
    void EndUpdate(bool doChange);

    // Fires OnChange unless updating.
    virtual void Change();
    // A component it owns changed: that is its own change.
    virtual void ChildChanged(QObject *sender);

private:
    QString about_;
    bool updating_ = false;
};
