#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <utility>
#include <vector>

class QIODevice;
class QObject;

// A value that a design stores beside the published properties: a list of colour stops, the bytes
// of a sound, the name of a shared image list. `write` is empty for a property that is only read
// (an old name kept for old designs); `hasData` false leaves the property out of a written design.
struct TStyFilerProperty
{
    QString name;
    std::function<void(const QVariant &)> read;
    std::function<QVariant()> write;
    bool hasData = true;
};

// Collects the filer properties of one object.
class TStyFiler
{
public:
    void DefineProperty(const QString &name, std::function<void(const QVariant &)> reader,
                        std::function<QVariant()> writer, bool hasData);
    // A property stored as bytes: the reader reads them from a device, the writer writes them to one.
    void DefineBinaryProperty(const QString &name, std::function<void(QIODevice &)> reader,
                              std::function<void(QIODevice &)> writer, bool hasData);
    const std::vector<TStyFilerProperty> &Properties() const { return properties_; }
    const TStyFilerProperty *Find(const QString &name) const;

private:
    std::vector<TStyFilerProperty> properties_;
};

// An object that stores more in a design than its published properties.
class TStyPersistent
{
public:
    virtual ~TStyPersistent() = default;
    virtual void DefineProperties(TStyFiler &filer);
};

// A component that knows when a design is being read into it: its handlers skip re-measuring and
// repainting while Loading() and catch up in Loaded().
class TStyLoadable
{
public:
    virtual ~TStyLoadable() = default;
    bool Loading() const { return loading_; }
    void BeginLoading() { loading_ = true; }
    // Overriders call this first; it ends the loading state.
    virtual void Loaded() { loading_ = false; }

private:
    bool loading_ = false;
};

// The stored design of one component: values under their names, sub-objects' values under dotted
// names ("FontFX.Angle"), enumerations as their identifiers, in the order written.
struct TStyDesign
{
    std::vector<std::pair<QString, QVariant>> values;

    bool Has(const QString &name) const;
    QVariant Value(const QString &name) const;
};

namespace tav::styled {

// Reads a design into a component: the component is loading while its values are set in order,
// then it is told Loaded(). A name the component does not have raises EStyDesignError.
void ReadDesign(QObject &component, const TStyDesign &design);

// The design of a component: every stored published property, sub-objects through dotted names,
// then the filer properties that have data.
TStyDesign WriteDesign(const QObject &component);

} // namespace tav::styled
