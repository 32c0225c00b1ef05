#include "platform/ui/modal_runner.h"

#include <QDialog>

namespace {

ModalRunner *installed = nullptr;

} // namespace

int RunModal(QDialog &dialog)
{
    if (installed)
        return installed->Run(dialog);
    return dialog.exec();
}

ModalRunner *InstallModalRunner(ModalRunner *runner)
{
    ModalRunner *previous = installed;
    installed = runner;
    return previous;
}

ScriptedModalRunner::ScriptedModalRunner(Script script)
    : script_(std::move(script)), previous_(InstallModalRunner(this))
{
}

ScriptedModalRunner::~ScriptedModalRunner()
{
    InstallModalRunner(previous_);
}

int ScriptedModalRunner::Run(QDialog &dialog)
{
    ++runs_;
    dialog.setResult(0);
    dialog.show();
    const int result = script_ ? script_(dialog) : 0;
    const int closedWith = dialog.isVisible() ? result : dialog.result();
    dialog.hide();
    return closedWith;
}
