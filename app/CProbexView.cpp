// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CProbexView.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>

#include "app/CProbexDoc.h"
#include "app/CProfileSettings.h"
#include "app/ControlId.h"
#include "app/FormStretch.h"
#include "app/PopupComboBox.h"
#include "app/PortList.h"
#include "app/ResourceText.h"
#include "app/TimeoutField.h"
#include "app/ViewFrame.h"
#include "app/ViewHint.h"
#include "app/docview/CPrompts.h"
#include "dumpedit/widget/CDumpEdit.h"
#include "operation/OperationRequest.h"
#include "platform/SerialPortList.h"
#include "res/FormIds.h"
#include "res/StringTable.h"

#include <algorithm>
#include <chrono>

namespace app {

namespace {

const QString kSection = QStringLiteral("COM port");
const QString kPortEntry = QStringLiteral("Port");
const QString kTimeoutEntry = QStringLiteral("Timeout");
constexpr std::chrono::milliseconds kPortWatchInterval{2000};

// The string-table text filled in printf style; the formats are the program's own.
QString FormatText(res::ResourceId id, unsigned first, unsigned last)
{
    return QString::asprintf(res::LoadString(id).c_str(), first, last);
}

// The Edit menu's command ids are the editor's own.
constexpr std::uint32_t kEditCommands[] = {res::ID_EDIT_UNDO,       res::ID_EDIT_REDO, res::ID_EDIT_COPY,
                                           res::ID_EDIT_PASTE,      res::ID_EDIT_FIND, res::ID_EDIT_REPEAT,
                                           res::ID_EDIT_SELECT_ALL, res::ID_EDIT_GOTO};
static_assert(res::ID_EDIT_UNDO == dumpedit::CDumpEdit::ID_EDIT_UNDO &&
              res::ID_EDIT_REDO == dumpedit::CDumpEdit::ID_EDIT_REDO &&
              res::ID_EDIT_COPY == dumpedit::CDumpEdit::ID_EDIT_COPY &&
              res::ID_EDIT_PASTE == dumpedit::CDumpEdit::ID_EDIT_PASTE &&
              res::ID_EDIT_FIND == dumpedit::CDumpEdit::ID_EDIT_FIND &&
              res::ID_EDIT_REPEAT == dumpedit::CDumpEdit::ID_EDIT_REPEAT &&
              res::ID_EDIT_SELECT_ALL == dumpedit::CDumpEdit::ID_EDIT_SELECT_ALL &&
              res::ID_EDIT_GOTO == dumpedit::CDumpEdit::ID_EDIT_GOTO);

bool IsEditCommand(std::uint32_t command)
{
    return std::ranges::find(kEditCommands, command) != std::end(kEditCommands);
}

}  // namespace

CProbexView::CProbexView(CProfileSettings& settings) : settings_(settings) {}

CProbexView::~CProbexView()
{
    OnDestroy();
}

CProbexDoc* CProbexView::GetDocument() const
{
    return static_cast<CProbexDoc*>(CView::GetDocument());
}

bool CProbexView::Create(QWidget* parent, CProbexDoc* document, const CustomControlFactory& controls,
                         const DeviceLister& devices)
{
    const res::DialogTemplate& form = res::FormTemplate();
    setParent(parent);
    document->AddView(this);
    if (!CreateDialogControls(this, form, controls))
        return false;
    formSize_ = DialogPixelSize(form, font());
    setMinimumSize(formSize_);

    dumpEdit_ = FindControl<dumpedit::CDumpEdit>(this, res::IDC_DUMP_EDIT);
    idGroup_ = FindControl<QGroupBox>(this, res::IDC_ID_GROUP);
    portCombo_ = FindControl<QComboBox>(this, res::IDC_PORT_COMBO);
    timeoutEdit_ = FindControl<QLineEdit>(this, res::IDC_TIMEOUT_EDIT);
    readIdButton_ = FindControl<QPushButton>(this, res::IDC_READ_ID);
    readButton_ = FindControl<QPushButton>(this, res::IDC_READ);
    writeButton_ = FindControl<QPushButton>(this, res::IDC_WRITE);
    compareButton_ = FindControl<QPushButton>(this, res::IDC_COMPARE);
    stopButton_ = FindControl<QPushButton>(this, res::IDC_STOP);
    if (!dumpEdit_ || !idGroup_ || !portCombo_ || !timeoutEdit_ || !readIdButton_ || !readButton_ ||
        !writeButton_ || !compareButton_ || !stopButton_)
        return false;
    stopButton_->setEnabled(false);
    // A click runs the command without taking the focus from where the user works, so it can go
    // back there when the operation ends (the buttons are disabled meanwhile).
    for (QPushButton* button : {readIdButton_, readButton_, writeButton_, compareButton_, stopButton_})
        button->setFocusPolicy(Qt::TabFocus);
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        designedPlaces_.emplace_back(control, control->geometry());
    // Esc is taken only while an operation runs; otherwise it stays with whoever has the focus.
    stopKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    stopKey_->setContext(Qt::WindowShortcut);
    stopKey_->setEnabled(false);
    connect(stopKey_, &QShortcut::activated, this, [this] { OnStop(); });

    dumpEdit_->SetControlId(res::IDC_DUMP_EDIT);
    dumpEdit_->SetAddressDigits(2, false);
    dumpEdit_->ShowAddressColumn(true, false);
    dumpEdit_->ShowCharColumn(true, false);
    dumpEdit_->SetBytesPerRow(16, false, true);
    dumpEdit_->SetMarkColors(0xFFFFFF, 0xFFFFFF, 0x0000FF, true);
    designedFont_ = dumpEdit_->DumpFont();

    connect(dumpEdit_, &dumpedit::CDumpEdit::Changed, this, [this] { OnDumpChanged(); });
    connect(dumpEdit_, &dumpedit::CDumpEdit::CaretStatusChanged, this, [this](const QString& text) {
        if (frame_)
            frame_->ShowCaretText(text);
    });
    connect(dumpEdit_, &dumpedit::CDumpEdit::StatusMessage, this, [this](const QString& text) {
        if (frame_)
            frame_->ShowNote(text);
    });
    connect(readIdButton_, &QPushButton::clicked, this, [this] { OnReadId(); });
    connect(readButton_, &QPushButton::clicked, this, [this] { OnRead(); });
    connect(writeButton_, &QPushButton::clicked, this, [this] { OnWrite(); });
    connect(compareButton_, &QPushButton::clicked, this, [this] { OnCompare(); });
    connect(stopButton_, &QPushButton::clicked, this, [this] { OnStop(); });

    devices_ = devices;
    FillPortList();
    // Adapters come and go: the list is built anew each time it drops down.
    if (auto* popup = qobject_cast<PopupComboBox*>(portCombo_))
        connect(popup, &PopupComboBox::aboutToShowPopup, this, [this] { RefreshPortList(); });
    LoadSettings();
    chosenPort_.Choose(ChosenPort().toStdString());
    connect(portCombo_, &QComboBox::activated, this, [this] { ChoosePort(portCombo_->currentText()); });
    portWatch_ = new QTimer(this);
    portWatch_->setInterval(kPortWatchInterval);
    connect(portWatch_, &QTimer::timeout, this, [this] { CheckChosenPort(); });
    portWatch_->start();
    created_ = true;
    return true;
}

void CProbexView::ChoosePort(const QString& name)
{
    if (const int index = portCombo_->findText(name); index >= 0)
        portCombo_->setCurrentIndex(index);
    selectedPort_ = name;
    chosenPort_.Choose(name.toStdString());
    if (!portChangeShown_.isEmpty() && frame_)
        frame_->ShowOutcome({});
    portChangeShown_.clear();
}

void CProbexView::CheckChosenPort()
{
    if (busy_)
        return;
    if (ChosenPort().toStdString() != chosenPort_.Name()) {
        ChoosePort(ChosenPort());
        return;
    }
    const QString text = chosenPort_.Look() == operation::PortChange::None
                             ? QString()
                             : QString::fromStdString(chosenPort_.ChangeText());
    if (text == portChangeShown_)
        return;
    portChangeShown_ = text;
    if (frame_)
        frame_->ShowOutcome(text);
}

bool CProbexView::ConfirmChosenPort()
{
    if (selectedPort_.toStdString() != chosenPort_.Name()) {
        ChoosePort(selectedPort_);
        return true;
    }
    if (chosenPort_.Look() == operation::PortChange::None)
        return true;
    portChangeShown_ = QString::fromStdString(chosenPort_.ChangeText());
    if (frame_)
        frame_->ShowOutcome(portChangeShown_);
    if (Prompts().ShowMessage(QString::fromStdString(chosenPort_.Question()), MessageButtons::YesNo,
                              MessageIcon::Question) != MessageAnswer::Yes)
        return false;
    chosenPort_.Accept();
    return true;
}

void CProbexView::FillPortList()
{
    FillPortCombo(*portCombo_, platform::ListPorts(devices_ ? devices_() : std::vector<std::string>{},
                                                   platform::ProbePortOpen));
    ApplyCommandState();
    if (portCombo_->count() == 0 && frame_)
        frame_->ShowOutcome(LoadText(res::IDS_NO_PORTS));
}

void CProbexView::RefreshPortList()
{
    // The chosen port stays chosen while it is there, busy or not (our own transfer may hold
    // it). One that went away leaves nothing chosen rather than another port: a silent switch
    // could send a write to the wrong device.
    const QString chosen = portCombo_->currentText();
    portCombo_->clear();
    FillPortList();
    if (chosen.isEmpty()) {
        portCombo_->setCurrentIndex(portCombo_->count() ? 0 : -1);
        return;
    }
    portCombo_->setCurrentIndex(portCombo_->findText(chosen));
    if (portCombo_->currentIndex() < 0)
        selectedPort_ = chosen;  // still the user's choice: a command says the port is gone
}

int CProbexView::PortCount() const
{
    return portCombo_->count();
}

void CProbexView::LoadSettings()
{
    selectedPort_ = settings_.GetProfileString(kSection, kPortEntry, QStringLiteral("COM1"));
    const int index = FindItemWithPrefix(*portCombo_, selectedPort_);
    portCombo_->setCurrentIndex(index >= 0 ? index : 0);
    timeoutSeconds_ = settings_.GetProfileInt(kSection, kTimeoutEntry, operation::kDefaultTimeoutSeconds);
    DoDataExchange(false);
}

bool CProbexView::DoDataExchange(bool saveAndValidate)
{
    if (!saveAndValidate) {
        timeoutEdit_->setText(QString::number(timeoutSeconds_));
        return true;
    }
    const std::optional<std::uint32_t> value = ParseLeadingUnsigned(timeoutEdit_->text().toStdString());
    if (value)
        timeoutSeconds_ = *value;
    const std::string problem = operation::TimeoutProblem(value);
    const bool passed = problem.empty();
    if (!passed) {
        Prompts().ShowMessage(QString::fromStdString(problem), MessageButtons::Ok, MessageIcon::Exclamation);
        timeoutEdit_->setFocus();
        timeoutEdit_->selectAll();
    }
    return passed;
}

bool CProbexView::SaveSettings()
{
    const bool passed = DoDataExchange(true);
    if (portCombo_->currentIndex() >= 0)
        selectedPort_ = portCombo_->currentText();
    settings_.WriteProfileString(kSection, kPortEntry, selectedPort_);
    settings_.WriteProfileInt(kSection, kTimeoutEntry, timeoutSeconds_);
    return passed;
}

bool CProbexView::AskRangeQuestion(std::uint32_t textId, std::uint32_t first, std::uint32_t last) const
{
    return Prompts().ShowMessage(FormatText(textId, first, last), MessageButtons::YesNo,
                                 MessageIcon::Question) == MessageAnswer::Yes;
}

void CProbexView::OnReadId()
{
    if (!SaveSettings() || !ConfirmChosenPort())
        return;
    if (ShowMessage(res::IDS_CONFIRM_READ_ID, MessageButtons::YesNo, MessageIcon::Question) !=
        MessageAnswer::Yes)
        return;
    GetDocument()->ReadId(selectedPort_.toStdString(), TimeoutMs());
    AfterRequest();
}

CProbexView::CommandRange CProbexView::SelectedRange() const
{
    CommandRange range;
    range.selected = dumpEdit_->GetSelection(range.first, range.last);
    if (range.selected) {
        range.start = range.first;
        range.count = range.last - range.first + 1;
    } else {
        range.first = 0;
        range.last = dumpEdit_->Size() - 1;
    }
    return range;
}

void CProbexView::OnRead()
{
    if (!SaveSettings() || !ConfirmChosenPort())
        return;
    const CommandRange range = SelectedRange();
    if (range.selected) {
        dumpEdit_->SetMarkedRange(range.first, range.last, true, true);
    } else {
        dumpEdit_->SetMarkedRange(0, dumpEdit_->Size(), true, true);  // the editor clamps the end
    }
    dumpEdit_->SetSelection(dumpedit::CDumpEdit::kNoByte, dumpedit::CDumpEdit::kNoByte, true, true);
    if (!AskRangeQuestion(operation::RangeQuestion(device::OpRead, false), range.first, range.last))
        return;
    GetDocument()->ReadRange(selectedPort_.toStdString(), TimeoutMs(), range.start, range.count);
    AfterRequest();
}

void CProbexView::OnWrite()
{
    if (!SaveSettings() || !ConfirmChosenPort())
        return;
    const CommandRange range = SelectedRange();
    if (!AskRangeQuestion(operation::RangeQuestion(device::OpWrite, GetDocument()->writeChangedOnly),
                          range.first, range.last))
        return;
    GetDocument()->WriteRange(selectedPort_.toStdString(), TimeoutMs(), range.start, range.count);
    AfterRequest();
}

void CProbexView::OnCompare()
{
    if (!SaveSettings() || !ConfirmChosenPort())
        return;
    const CommandRange range = SelectedRange();
    if (!AskRangeQuestion(operation::RangeQuestion(device::OpCompare, false), range.first, range.last))
        return;
    GetDocument()->CompareRange(selectedPort_.toStdString(), TimeoutMs(), range.start, range.count);
    AfterRequest();
}

void CProbexView::AfterRequest()
{
    if (!GetDocument()->IsDeviceBusy())
        return;
    // The outcome of the previous operation no longer holds.
    if (frame_)
        frame_->ShowOutcome({});
    portChangeShown_.clear();
    focusBeforeOperation_ = window()->focusWidget();
}

void CProbexView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!dumpEdit_)
        return;
    const QSize growth = (event->size() - formSize_).expandedTo(QSize(0, 0));
    QRect editor;
    for (const auto& [control, place] : designedPlaces_) {
        if (control == dumpEdit_)
            editor = place;
    }
    for (const auto& [control, place] : designedPlaces_)
        control->setGeometry(StretchedPlace(place, editor, growth));
    FitEditorFont();
}

void CProbexView::FitEditorFont()
{
    if (dumpEdit_->Size() == 0)
        return;  // no bytes to fit yet
    QFont font = designedFont_;
    const int designed = QFontInfo(designedFont_).pointSize();
    constexpr int kLargest = 4;  // times the designed size
    int fitting = designed;
    for (int size = designed + 1; size <= designed * kLargest; ++size) {
        font.setPointSize(size);
        if (!dumpEdit_->ShowsAllAt(font))
            break;
        fitting = size;
    }
    font.setPointSize(fitting);
    if (QFontInfo(dumpEdit_->DumpFont()).pointSize() == fitting)
        return;
    dumpEdit_->SetDumpFont(fitting == designed ? designedFont_ : font, true);
}

void CProbexView::OnStop()
{
    GetDocument()->StopDevice();
}

void CProbexView::OnDumpChanged()
{
    // Undo back to the bytes as loaded or saved makes the dump unmodified again.
    GetDocument()->SetModifiedFlag(!dumpEdit_->IsAtSavedState());
}

bool CProbexView::OnEditCommand(std::uint32_t command)
{
    if (!IsEditCommand(command))
        return false;
    if (dumpEdit_->IsCommandEnabled(static_cast<int>(command))) {
        dumpEdit_->setFocus(Qt::OtherFocusReason);
        dumpEdit_->HandleCommand(static_cast<int>(command));
    }
    return true;
}

std::optional<bool> CProbexView::IsEditCommandEnabled(std::uint32_t command) const
{
    if (!IsEditCommand(command))
        return std::nullopt;
    return dumpEdit_->IsCommandEnabled(static_cast<int>(command));
}

void CProbexView::OnDestroy()
{
    if (destroyed_ || !created_)
        return;
    destroyed_ = true;
    SaveSettings();
}

void CProbexView::OnInitialUpdate()
{
    DoDataExchange(false);
    CView::OnInitialUpdate();
    if (frame_)
        frame_->FitClientTo(formSize_);
}

void CProbexView::SetCommandsEnabled(bool enabled)
{
    busy_ = !enabled;
    ApplyCommandState();
}

void CProbexView::ApplyCommandState()
{
    // With no port to choose the device commands could only fail: they wait for a port (the
    // status bar said why when the list came out empty).
    const bool portsThere = portCombo_->count() > 0;
    dumpEdit_->setEnabled(!busy_);
    for (QPushButton* button : {readIdButton_, readButton_, writeButton_, compareButton_})
        button->setEnabled(!busy_ && portsThere);
    stopButton_->setEnabled(busy_);
    stopKey_->setEnabled(busy_);
}

QString CProbexView::ChosenPort() const
{
    return portCombo_->currentIndex() >= 0 ? portCombo_->currentText() : selectedPort_;
}

void CProbexView::ShowIdText()
{
    idGroup_->setTitle(QString::fromLatin1(GetDocument()->GetIdText()));
}

void CProbexView::OnUpdate(UpdateHint hint)
{
    switch (hint) {
    case HintReload:
        dumpEdit_->SetBuffer(GetDocument()->dumpData.get(), GetDocument()->dumpSize, true);
        FitEditorFont();
        ShowIdText();
        break;
    case HintBusy:
        SetCommandsEnabled(false);
        break;
    case HintShowId:
        ShowIdText();
        break;
    case HintRepaint:
        // One byte arrived: its row is all that changed on screen.
        if (const std::uint32_t byte = GetDocument()->LastByteDone(); byte != CProbexDoc::kNoByte) {
            dumpEdit_->RedrawByte(byte);
        } else {
            dumpEdit_->viewport()->update();
        }
        break;
    case HintReadCutShort: {
        // The mark shows what the device sent, nothing more.
        const CProbexDoc* document = GetDocument();
        if (document->CutReadCount() == 0) {
            dumpEdit_->SetMarkedRange(dumpedit::CDumpEdit::kNoByte, dumpedit::CDumpEdit::kNoByte, false,
                                      false);
        } else {
            dumpEdit_->SetMarkedRange(document->CutReadStart(),
                                      document->CutReadStart() + document->CutReadCount() - 1, false, false);
        }
        dumpEdit_->viewport()->update();
        break;
    }
    case HintIdle:
        SetCommandsEnabled(true);
        if (focusBeforeOperation_ && focusBeforeOperation_->isEnabled())
            focusBeforeOperation_->setFocus(Qt::OtherFocusReason);
        focusBeforeOperation_ = nullptr;
        if (frame_)
            frame_->ShowOutcome(QString::fromStdString(GetDocument()->LastSummary()));
        break;
    case HintSaved:
        dumpEdit_->MarkSaved();
        break;
    case HintDifferences:
        dumpEdit_->SetDifferences(GetDocument()->Differences(), true);
        break;
    case HintFileCompared:
        if (frame_)
            frame_->ShowOutcome(QString::fromStdString(GetDocument()->FileComparison()));
        break;
    case HintReadDone: {
        const CProbexDoc::ByteSpan span = GetDocument()->ReadSpan();
        dumpEdit_->AcceptRead(span.first, span.last, !GetDocument()->IsModified());
        break;
    }
    default:
        break;
    }
}

}  // namespace app
