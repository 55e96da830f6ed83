// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form view: the dump editor, the COM-port list, the time-out entry and the device
// commands. It keeps the port and the time-out in the per-user settings. The editor grows with
// the view; the controls below it keep their places relative to it.
#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/DialogBuilder.h"
#include "app/docview/CView.h"
#include "operation/ChosenPort.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QShortcut;
class QTimer;

namespace dumpedit {
class CDumpEdit;
}

namespace app {

class CProbexDoc;
class CProfileSettings;
class ViewFrame;

class CProbexView : public QWidget, public CView {
    Q_OBJECT
public:
    using DeviceLister = std::function<std::vector<std::string>()>;

    // settings: the application's store; it outlives the view.
    explicit CProbexView(CProfileSettings& settings);
    ~CProbexView() override;

    // Builds the form on parent, attached to document; false when a control cannot be made.
    // devices lists the serial devices offered after the COM names; controls makes the
    // editor (by its window class).
    bool Create(QWidget* parent, CProbexDoc* document, const CustomControlFactory& controls,
                const DeviceLister& devices);

    CProbexDoc* GetDocument() const;
    // Where the view shows its status texts and asks for its size; nullptr (the default): nowhere.
    // The frame outlives the view or is taken away first.
    void SetFrame(ViewFrame* frame) { frame_ = frame; }

    void OnInitialUpdate() override;
    void OnUpdate(UpdateHint hint) override;

    // toControls false: from the controls, with the check of the time-out.
    bool DoDataExchange(bool saveAndValidate);
    void LoadSettings();
    void FillPortList();
    void RefreshPortList();
    int PortCount() const;
    bool SaveSettings();

    void OnReadId();
    void OnRead();
    void OnWrite();
    void OnCompare();
    // Stop button and Esc: the running operation stops between two bytes.
    void OnStop();
    void OnDumpChanged();
    // The Edit menu's commands go to the editor, which also says whether each can run now;
    // nothing for a command that is not the editor's.
    bool OnEditCommand(std::uint32_t command);
    std::optional<bool> IsEditCommandEnabled(std::uint32_t command) const;
    // Stores the settings once, before the window goes away.
    void OnDestroy();

    QSize FormSize() const { return formSize_; }
    std::uint32_t TimeoutSeconds() const { return timeoutSeconds_; }
    const QString& SelectedPort() const { return selectedPort_; }
    // The port the list shows chosen, else the one kept in the settings.
    QString ChosenPort() const;
    // Chooses the port in the list and remembers the device it leads to now.
    void ChoosePort(const QString& name);
    // Looks whether the chosen port still leads to the device it led to when chosen, and says so
    // in the status bar when not. Runs every few seconds while no operation runs.
    void CheckChosenPort();
    dumpedit::CDumpEdit* DumpEdit() const { return dumpEdit_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // What a read or write works on: the selection, or the whole dump (start 0, count 0).
    struct CommandRange {
        std::uint32_t first = 0, last = 0;   // shown in the question
        std::uint32_t start = 0, count = 0;  // passed to the document
        bool selected = false;
    };
    CommandRange SelectedRange() const;
    bool AskRangeQuestion(std::uint32_t textId, std::uint32_t first, std::uint32_t last) const;
    // Before an operation on the chosen port: true when it leads where it led when chosen, or the
    // user goes on with where it leads now.
    bool ConfirmChosenPort();
    void SetCommandsEnabled(bool enabled);
    // After a command handed its request to the document: an accepted one starts an operation.
    void AfterRequest();
    void ApplyCommandState();
    void ShowIdText();
    // The editor's font grows with the editor: the largest size at which the whole dump still
    // shows, never smaller than the designed one.
    void FitEditorFont();
    std::uint32_t TimeoutMs() const { return timeoutSeconds_ * 1000; }

    CProfileSettings& settings_;
    ViewFrame* frame_ = nullptr;
    DeviceLister devices_;
    dumpedit::CDumpEdit* dumpEdit_ = nullptr;
    QGroupBox* idGroup_ = nullptr;
    QComboBox* portCombo_ = nullptr;
    QLineEdit* timeoutEdit_ = nullptr;
    QPushButton* readIdButton_ = nullptr;
    QPushButton* readButton_ = nullptr;
    QPushButton* writeButton_ = nullptr;
    QPushButton* compareButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QShortcut* stopKey_ = nullptr;
    QFont designedFont_;
    QTimer* portWatch_ = nullptr;
    operation::ChosenPort chosenPort_;
    // The chosen port's change the status bar shows; empty when it shows none.
    QString portChangeShown_;
    std::uint32_t timeoutSeconds_ = 30;
    QString selectedPort_;
    QSize formSize_;
    // Every control with its place in the designed form.
    std::vector<std::pair<QWidget*, QRect>> designedPlaces_;
    // Where the keyboard focus was when the running operation started; it goes back there.
    QPointer<QWidget> focusBeforeOperation_;
    bool busy_ = false;  // a device operation runs
    bool created_ = false;
    bool destroyed_ = false;
};

}  // namespace app
