#pragma once

#include "controls/styled/sty_component.h"
#include "controls/styled/sty_procs.h"

// Where a program keeps its settings: an INI file in one of the standard folders or a registry
// key. The application object of the styled controls owns one; nothing reads or writes through
// it yet, so it only keeps the description consistent.
class TStyIniCtrl : public TStyCustomComponent
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE SetAbout)
    Q_PROPERTY(bool AlphaCounter READ AlphaCounter WRITE SetAlphaCounter)
    Q_PROPERTY(bool Common READ Common WRITE SetCommon)
    Q_PROPERTY(QString IniFile READ IniFile WRITE SetIniFile)
    Q_PROPERTY(tav::styled::pathprefix::TStyPathPrefix IniPrefix READ IniPrefix WRITE SetIniPrefix)
    Q_PROPERTY(int MaxEntries READ MaxEntries WRITE SetMaxEntries)
    Q_PROPERTY(bool NetUser READ NetUser WRITE SetNetUser)
    Q_PROPERTY(QString User READ User WRITE SetUser)
    Q_PROPERTY(QString RegPath READ RegPath WRITE SetRegPath)
    Q_PROPERTY(TStyRegRootKey RegRoot READ RegRoot WRITE SetRegRoot)
    Q_PROPERTY(TStyIniTarget Target READ Target WRITE SetTarget)
    Q_PROPERTY(int EncKey READ EncKey WRITE SetEncKey)
    Q_PROPERTY(bool Encoded READ Encoded WRITE SetEncoded)

public:
    enum TStyRegRootKey
    {
        rpClassesRoot,
        rpCurrentUser,
        rpLocalMachine,
        rpUsers,
        rpCurrentConfig,
        rpDynData
    };
    Q_ENUM(TStyRegRootKey)
    enum TStyIniTarget
    {
        itIniFile,
        itRegistry,
        itAuto
    };
    Q_ENUM(TStyIniTarget)

    // Entries numbered by letters run from A to Z.
    static constexpr int MaxAlphaEntries = 26;
    static constexpr int DefaultEncKey = 0x5A17;

    explicit TStyIniCtrl(QObject *owner = nullptr);

    bool AlphaCounter() const { return alphaCounter_; }
    void SetAlphaCounter(bool value);
    bool Common() const { return common_; }
    void SetCommon(bool value);
    QString IniFile() const { return iniFile_; }
    // A name without extension gets ".INI".
    void SetIniFile(const QString &value);
    TStyPathPrefix IniPrefix() const { return iniPrefix_; }
    void SetIniPrefix(TStyPathPrefix value);
    int MaxEntries() const { return maxEntries_; }
    // 0..255; above 26 refused while entries are numbered by letters.
    void SetMaxEntries(int value);
    bool NetUser() const { return netUser_; }
    // Switching it on fills User with the logged-in user's name.
    void SetNetUser(bool value);
    QString User() const { return user_; }
    void SetUser(const QString &value);
    QString RegPath() const { return regPath_; }
    void SetRegPath(const QString &value);
    TStyRegRootKey RegRoot() const { return regRoot_; }
    void SetRegRoot(TStyRegRootKey value);
    TStyIniTarget Target() const { return target_; }
    void SetTarget(TStyIniTarget value);
    // Where the settings really go: itAuto means the registry.
    TStyIniTarget EffectiveTarget() const { return effectiveTarget_; }
    int EncKey() const { return encKey_; }
    void SetEncKey(int value);
    bool Encoded() const { return encoded_; }
    void SetEncoded(bool value);

    virtual void GetNetUserName(QString &name) const;

private:
    template <class T> void Store(T &field, const T &value);

    bool alphaCounter_ = false;
    bool common_ = true;
    QString iniFile_;
    TStyPathPrefix iniPrefix_ = ppWindows;
    int maxEntries_ = 16;
    bool netUser_ = false;
    QString user_;
    QString regPath_;
    TStyRegRootKey regRoot_ = rpCurrentUser;
    TStyIniTarget target_ = itAuto;
    TStyIniTarget effectiveTarget_ = itRegistry;
    int encKey_ = DefaultEncKey;
    bool encoded_ = false;
};
