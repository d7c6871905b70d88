#pragma once

#include "link/TransferUi.h"

namespace tarn {

class TransferProgressDialog;

// A transfer's status line, bar and cancel flag on the progress window; a pump pass is one
// pass of the Qt event loop.
class QtTransferUi final : public TransferUi {
public:
    QtTransferUi(TransferProgressDialog& dialog, Prompter& prompter);

    void setStatusText(const std::string& text) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgressPosition(int position) override;
    [[nodiscard]] int progressPosition() const override;
    void stepProgress() override;
    void pump() override;
    [[nodiscard]] bool cancelRequested() const override;
    [[nodiscard]] Prompter& prompter() override { return m_prompter; }
    void closeWindow() override;
    void conclude(const std::string& text) override;

private:
    TransferProgressDialog& m_dialog;
    Prompter& m_prompter;
};

} // namespace tarn
