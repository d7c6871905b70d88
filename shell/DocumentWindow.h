#pragma once

#include "qtsupport/CommandTarget.h"

#include <QMdiSubWindow>

#include <memory>

namespace tarn {

class TarnDocument;
class ChannelView;
class DocumentDialogs;
class DocumentHost;
class RadioLink;
class PrintService;
class Prompter;
class ToneTable;

// A document window: one channel view of a document and the window's radio link. Print and
// Print Preview are its commands; the radio link's commands reach the link through it.
class DocumentWindow : public QMdiSubWindow, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 1080;
    static constexpr int InitialHeight = 520;

    DocumentWindow(std::shared_ptr<TarnDocument> document, const ToneTable& tones,
                   Prompter& prompter, DocumentDialogs& dialogs, DocumentHost& host,
                   PrintService& printing, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    [[nodiscard]] TarnDocument& document() { return *m_document; }
    [[nodiscard]] const std::shared_ptr<TarnDocument>& sharedDocument() const { return m_document; }
    [[nodiscard]] ChannelView& view() { return *m_view; }
    [[nodiscard]] RadioLink& radioLink() { return *m_radioLink; }
    // Has accepted a close and waits to be deleted.
    [[nodiscard]] bool isClosing() const { return m_closing; }

    // Runs the view's initial update, which also shrinks the frame to the form.
    void initialUpdate();
    // 0: the document's only window; otherwise its number among the document's windows.
    void setWindowNumber(int number);
    void updateTitle();

    [[nodiscard]] bool handlesCommand(int id) const override;
    void updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

signals:
    // The frame is about to be seen for the first time: the moment to give it its place.
    void firstShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void print(int id);

    // Declared before the view, so the view goes first: it refers to the document.
    std::shared_ptr<TarnDocument> m_document;
    std::unique_ptr<ChannelView> m_view;
    // Its progress window belongs to the view; it goes first.
    std::unique_ptr<RadioLink> m_radioLink;
    DocumentHost& m_host;
    PrintService& m_printing;
    int m_windowNumber = 0;
    bool m_closing = false;
    bool m_shown = false;
};

} // namespace tarn
