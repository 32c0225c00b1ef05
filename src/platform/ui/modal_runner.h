#pragma once

#include <functional>

class QDialog;

// Shows a dialog modally through one replaceable runner, so that a test answers the dialog through
// its widgets while it is up, and no modal loop ever waits for a user.
class ModalRunner
{
public:
    virtual ~ModalRunner() = default;
    // Shows the dialog until it closes; returns its modal result.
    virtual int Run(QDialog &dialog) = 0;
};

// Runs the dialog with the runner in force (without one installed: the dialog's own modal loop).
int RunModal(QDialog &dialog);

// Installs a runner; nullptr goes back to the dialog's own loop. Returns the runner it replaces.
ModalRunner *InstallModalRunner(ModalRunner *runner);

// Stands in for the modal loop while it lives: shows the dialog, hands it to the script, which
// works its widgets, and answers with the script's result (the dialog's result when the script
// closed it). Puts the previous runner back on destruction.
class ScriptedModalRunner : public ModalRunner
{
public:
    using Script = std::function<int(QDialog &dialog)>;

    explicit ScriptedModalRunner(Script script);
    ~ScriptedModalRunner() override;
    ScriptedModalRunner(const ScriptedModalRunner &) = delete;
    ScriptedModalRunner &operator=(const ScriptedModalRunner &) = delete;

    int Run(QDialog &dialog) override;
    int RunCount() const { return runs_; }

private:
    Script script_;
    ModalRunner *previous_;
    int runs_ = 0;
};
