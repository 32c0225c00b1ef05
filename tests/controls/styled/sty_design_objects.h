#pragma once

#include "controls/styled/sty_object.h"

#include <QList>

// A settings object and a component that owns one, as the styled controls are built, to read and
// write designs through.
class TTestSettings : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(int Depth READ Depth WRITE SetDepth)
    Q_PROPERTY(Shape Form READ Form WRITE SetForm)

public:
    enum Shape
    {
        shRound,
        shSquare
    };
    Q_ENUM(Shape)

    using TStyObject::TStyObject;

    int Depth() const { return depth_; }
    void SetDepth(int value);
    Shape Form() const { return form_; }
    void SetForm(Shape value);
    QList<int> Stops() const { return stops_; }

    void Assign(const TStyObject &source) override;
    void DefineProperties(TStyFiler &filer) override;

private:
    int depth_ = 1;
    Shape form_ = shRound;
    QList<int> stops_;
};

class TTestComponent : public QObject, public TStyLoadable
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TTestSettings *Settings READ Settings WRITE SetSettings)

public:
    TTestComponent();

    QString Caption() const { return caption_; }
    void SetCaption(const QString &value) { caption_ = value; }
    TTestSettings *Settings() const { return settings_; }
    void SetSettings(TTestSettings *value) { settings_->Assign(*value); }
    void Loaded() override;

    int changesWhileLoading = 0;
    int changesAfterLoading = 0;
    int loadedCalls = 0;

private:
    QString caption_;
    TTestSettings *settings_;
};
