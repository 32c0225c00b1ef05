#pragma once

#include "controls/styled/sty_design.h"

#include <QObject>

#include <functional>

// The base of every settings object that a styled control hangs under its published properties
// (captions, gradients, bevels, fills). Its one job is to tell the owning control that a setting
// changed, so that the control re-measures and repaints. A control creates its settings objects,
// sets their OnChange, assigns into them from its property setters and never replaces them.
class TStyObject : public QObject, public TStyPersistent
{
    Q_OBJECT

public:
    explicit TStyObject(QObject *parent = nullptr);

    // Set by the owner when it creates the object; only Change() calls it.
    std::function<void(TStyObject *)> OnChange;

    bool Updating() const { return updating_; }
    void BeginUpdate();
    void EndUpdate(bool doChange);

    // Fires OnChange unless updating. Descendants that keep derived data rebuild it first.
    virtual void Change();
    // Passes a nested object's change on as this object's own.
    virtual void ChildChanged(TStyObject *sender);
    // A short description of the settings for design tools.
    virtual QString SummaryText() const;

    // Copies the settings of an object of the same class with exactly one notification; from
    // itself nothing happens. The base refuses every other source with a conversion error.
    virtual void Assign(const TStyObject &source);

protected:
    // For descendants whose Assign does not know the source's class.
    [[noreturn]] void AssignError(const TStyObject &source) const;

private:
    bool updating_ = false;
};
