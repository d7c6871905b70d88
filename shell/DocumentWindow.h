#pragma once

#include "qtsupport/CommandTarget.h"

#include <QMdiSubWindow>

#include <memory>

namespace tarn {

class TarnDocument;
class ChannelView;
class DocumentHost;
class PrintService;
class Prompter;
class ToneTable;

// A document window: one channel view of a document. Print and Print Preview are its
// commands.
class DocumentWindow : public QMdiSubWindow, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 1080;
    static constexpr int InitialHeight = 520;

    DocumentWindow(std::shared_ptr<TarnDocument> document, const ToneTable& tones,
                   Prompter& prompter, DocumentHost& host, PrintService& printing,
                   QWidget* parent = nullptr);
    ~DocumentWindow() override;

    [[nodiscard]] TarnDocument& document() { return *m_document; }
    [[nodiscard]] const std::shared_ptr<TarnDocument>& sharedDocument() const { return m_document; }
    [[nodiscard]] ChannelView& view() { return *m_view; }
    // Has accepted a close and waits to be deleted.
    [[nodiscard]] bool isClosing() const { return m_closing; }

    // Runs the view's initial update, which also shrinks the frame to the form.
    void initialUpdate();
    // 0: the document's only window; otherwise its number among the document's windows.
    void setWindowNumber(int number);
    void updateTitle();

    [[nodiscard]] bool handlesCommand(int id) const override;
    void runCommand(int id) override;

signals:
    // The frame is about to be seen for the first time: the moment to give it its place.
    void firstShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Declared before the view, so the view goes first: it refers to the document.
    std::shared_ptr<TarnDocument> m_document;
    std::unique_ptr<ChannelView> m_view;
    DocumentHost& m_host;
    PrintService& m_printing;
    int m_windowNumber = 0;
    bool m_closing = false;
    bool m_shown = false;
};

} // namespace tarn
