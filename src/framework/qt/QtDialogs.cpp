// Dialogs built from their templates, message boxes and the choosers.
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFontMetricsF>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "framework/qt/PainterDC.h"
#include "framework/qt/QtBackendImpl.h"
#include "framework/qt/QtText.h"

namespace {
const char* kCtlProp = "torvaneCtl";


// The dialog font: the size dialog units are measured in.
QFont DialogFont()
{
    QFont f("Liberation Sans");
    f.setPointSizeF(8.25);
    return f;
}

QString MultiLineToQ(const CString& s)
{
    QString q = ToQ(s);
    q.replace("\r\n", "\n");
    return q;
}

CString MultiLineFromQ(const QString& q)
{
    QString s = q;
    s.replace("\n", "\r\n");
    return FromQ(s);
}

// What the person typed, whole, as the dialog takes it: composed accents (é, not e and an
// accent), UTF-8.
std::string Typed(const QString& q) { return q.normalized(QString::NormalizationForm_C).toUtf8().toStdString(); }

// A one-line box holds no control characters, which Qt lets a paste bring in: a tab or a line
// break parts words as a blank does, the others are left out.
QString OneLine(const QString& q)
{
    QString t;
    t.reserve(q.size());
    for (const QChar c : q) {
        const char16_t u = c.unicode();
        if (u == '\t' || u == '\n' || u == '\r') {
            if (!t.endsWith(' '))
                t += ' ';
        } else if (u >= 0x20 && (u < 0x7F || u > 0x9F)) {
            t += c;
        }
    }
    return t;
}

// List items whose text holds tabs line up at the list's tab stops (dialog units).
class CTabStopDelegate : public QStyledItemDelegate {
public:
    explicit CTabStopDelegate(CControlState& s, QObject* parent) : QStyledItemDelegate(parent), m_state(s) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QString text = index.data().toString();
        if (!text.contains('\t')) {
            QStyledItemDelegate::paint(p, option, index);
            return;
        }
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        o.text.clear();
        o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);
        p->save();
        p->setPen(o.state & QStyle::State_Selected ? o.palette.highlightedText().color() : o.palette.text().color());
        QStringList parts = text.split('\t');
        double x = o.rect.left() + 2;
        double base = CQtDialogWindow::BaseUnitX();
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0) {
                int stop;
                if (m_state.tabStops.size() > 1)
                    stop = (i - 1) < static_cast<int>(m_state.tabStops.size()) ? m_state.tabStops[static_cast<size_t>(i - 1)]
                                                                               : m_state.tabStops.back() + 32 * i;
                else
                    stop = (m_state.tabStops.empty() ? 32 : m_state.tabStops[0]) * i;
                x = std::max(x + 4, o.rect.left() + 2 + stop * base);
            }
            QRectF r(x, o.rect.top(), o.rect.right() - x, o.rect.height());
            p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, parts[i]);
            x += p->fontMetrics().horizontalAdvance(parts[i]);
        }
        p->restore();
    }

private:
    CControlState& m_state;
};

// A one-line edit box. A click that brings it the focus keeps the selection its dialog made on
// entry (a score box selects all), so what is typed next replaces the text, as after a Tab.
class CDialogEdit : public QLineEdit {
public:
    CDialogEdit(CControlState& s, QWidget* parent) : QLineEdit(parent), m_state(s) {}
    void DialogSelected() { ++m_nSelections; }

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        m_nSelectionsAtClick = e->reason() == Qt::MouseFocusReason ? m_nSelections : -1;
        QLineEdit::focusInEvent(e);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        const bool bSelectedOnEntry = m_nSelectionsAtClick >= 0 && m_nSelections != m_nSelectionsAtClick;
        m_nSelectionsAtClick = -1;
        QLineEdit::mousePressEvent(e);
        if (bSelectedOnEntry && hasFocus())
            setSelection(m_state.selStart, m_state.selEnd - m_state.selStart);
    }

private:
    CControlState& m_state;
    int m_nSelections = 0;
    int m_nSelectionsAtClick = -1;
};

// Text with '&' marks shown without them ("&&" is a plain '&').
QString WithoutMnemonic(const QString& q)
{
    QString out;
    for (int i = 0; i < q.size(); ++i) {
        if (q[i] == '&' && i + 1 < q.size())
            ++i;
        else if (q[i] == '&')
            continue;
        out += q[i];
    }
    return out;
}

bool HasMnemonic(const QString& q)
{
    for (int i = 0; i + 1 < q.size(); ++i) {
        if (q[i] == '&' && q[i + 1] != '&')
            return true;
        if (q[i] == '&')
            ++i;
    }
    return false;
}

bool TakesFocus(const CControlState& s)
{
    return s.kind != CtlKind::Static && s.kind != CtlKind::Frame && s.kind != CtlKind::GroupBox;
}

// A picture button: draws its named picture (the About box's pins) or its text.
class CPictureButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        if (text() != "tenpins") {
            QPushButton::paintEvent(e);
            return;
        }
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), QColor(192, 192, 192));
        // Ten pins in a triangle.
        double w = width(), h = height();
        double r = std::min(w, h) / 11;
        for (int row = 0; row < 4; ++row)
            for (int i = 0; i <= row; ++i) {
                double cx = w / 2 + (i - row / 2.0) * 2.4 * r;
                double cy = h * 0.2 + row * 2.2 * r;
                p.setBrush(Qt::white);
                p.setPen(QPen(Qt::black, 1));
                p.drawEllipse(QPointF(cx, cy), r, r * 1.2);
                p.setPen(QPen(Qt::red, 1.5));
                p.drawLine(QPointF(cx - r * 0.7, cy - r * 0.3), QPointF(cx + r * 0.7, cy - r * 0.3));
            }
    }
};
}  // namespace

double CQtDialogWindow::BaseUnitX()
{
    static double x = [] {
        QFontMetricsF fm(DialogFont());
        return fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0 / 4.0;
    }();
    return x;
}

double CQtDialogWindow::BaseUnitY()
{
    static double y = [] { return QFontMetricsF(DialogFont()).height() / 8.0; }();
    return y;
}

QRect CQtDialogWindow::ToPixels(const CRect& r)
{
    double bx = BaseUnitX(), by = BaseUnitY();
    int x = static_cast<int>(std::lround(r.left * bx)), y = static_cast<int>(std::lround(r.top * by));
    int w = static_cast<int>(std::lround(r.Width() * bx)), h = static_cast<int>(std::lround(r.Height() * by));
    return QRect(x, y, std::max(1, w), std::max(1, h));
}

CQtDialogWindow::CQtDialogWindow(CDialog& dlg, QWidget* parent) : QDialog(parent), m_dlg(dlg)
{
    setFont(DialogFont());
    setWindowTitle(ToQ(dlg.GetCaption()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const DlgTemplate* t = dlg.GetTemplate();
    setFixedSize(ToPixels(CRect(0, 0, t->cx, t->cy)).size());
    CQtBackend::ApplyDialogColours(this);
    Build();
    m_focusReports =
        QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { ReportFocus(now); });
}

// The widgets going give their focus up on the way: nothing to report by then.
CQtDialogWindow::~CQtDialogWindow() { QObject::disconnect(m_focusReports); }

CControlState* CQtDialogWindow::StateOf(QWidget* w) const
{
    for (; w && w != this; w = w->parentWidget()) {
        QVariant v = w->property(kCtlProp);
        if (v.isValid())
            return static_cast<CControlState*>(v.value<void*>());
    }
    return nullptr;
}

// The dialog hears of every move of the focus, by Tab, click or mnemonic, as the kill-focus of
// the control left and then the set-focus of the one entered.
void CQtDialogWindow::ReportFocus(QWidget* now)
{
    if (!m_bReportFocus || !now || now->window() != this || m_dlg.IsEnded() || !m_dlg.IsRunning())
        return;
    CControlState* s = StateOf(now);
    if (!s || s->id == m_dlg.GetFocusID())
        return;
    m_dlg.UserFocus(s->id);
    if (m_dlg.IsEnded())
        return;
    // A kill-focus handler that refused to let go has taken the focus back.
    if (CControlState* held = m_dlg.FindControl(m_dlg.GetFocusID()))
        if (QWidget* w = WidgetOf(*held); w && held != StateOf(QApplication::focusWidget()))
            w->setFocus(Qt::OtherFocusReason);
}

// Tab and Shift+Tab walk the template's tab stops, as the dialog itself does.
bool CQtDialogWindow::focusNextPrevChild(bool next)
{
    CWnd* from = m_dlg.GetFocus();
    if (CControlState* s = StateOf(QApplication::focusWidget()))
        from = m_dlg.GetDlgItem(static_cast<int>(s->id));
    CWnd* to = m_dlg.GetNextDlgTabItem(from, next ? FALSE : TRUE);
    if (to && to->GetControlState())
        if (QWidget* w = WidgetOf(*to->GetControlState()))
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

QWidget* CQtDialogWindow::WidgetOf(const CControlState& s) const { return static_cast<QWidget*>(s.peer); }

void CQtDialogWindow::Build()
{
    for (const auto& s : m_dlg.Controls()) {
        QWidget* w = Make(*s);
        w->setProperty(kCtlProp, QVariant::fromValue(static_cast<void*>(s.get())));
        s->peer = w;
        Sync(*s, CtlChange_All);
    }
    // Group boxes behind what they frame.
    for (const auto& s : m_dlg.Controls())
        if (s->kind == CtlKind::GroupBox || s->kind == CtlKind::Frame)
            WidgetOf(*s)->lower();
    // Tab reaches the tab stops only, in template order; the other controls take the focus by a
    // click. A click on a button or check box moves it through the dialog, not through Qt, for a
    // kill-focus handler may refuse to let go.
    QWidget* prev = nullptr;
    const auto& controls = m_dlg.Controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        CControlState& s = *controls[i];
        QWidget* w = WidgetOf(s);
        const bool bTabStop = (s.style & WS_TABSTOP) != 0;
        if (!TakesFocus(s))
            w->setFocusPolicy(Qt::NoFocus);
        else if (s.IsButtonLike())
            w->setFocusPolicy(bTabStop ? Qt::TabFocus : Qt::NoFocus);
        else
            w->setFocusPolicy(bTabStop ? Qt::StrongFocus : Qt::ClickFocus);
        if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit())
            c->lineEdit()->setFocusPolicy(w->focusPolicy());
        // A label's mnemonic moves to the control after it.
        if (s.kind == CtlKind::Static && !(s.style & SS_NOPREFIX) && HasMnemonic(ToQ(s.text)))
            for (size_t j = i + 1; j < controls.size(); ++j)
                if (TakesFocus(*controls[j])) {
                    static_cast<QLabel*>(w)->setBuddy(WidgetOf(*controls[j]));
                    break;
                }
        if (bTabStop && TakesFocus(s)) {
            if (prev)
                QWidget::setTabOrder(prev, w);
            prev = w;
        }
    }
    for (const auto& s : controls)
        if (s->kind == CtlKind::Static)
            Sync(*s, CtlChange_Text);
}

QWidget* CQtDialogWindow::Make(CControlState& s)
{
    CDialog* dlg = &m_dlg;
    UINT id = s.id;
    switch (s.kind) {
    case CtlKind::Static: {
        auto* l = new QLabel(this);
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(s.rect.Height() > 12);
        Qt::Alignment a = Qt::AlignTop;
        a |= (s.style & 0x3) == SS_CENTER ? Qt::AlignHCenter : (s.style & 0x3) == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft;
        l->setAlignment(a);
        if (s.style & SS_SUNKEN)
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return l;
    }
    case CtlKind::Frame: {
        auto* f = new QFrame(this);
        f->setFrameStyle(s.rect.Height() <= 2 ? (QFrame::HLine | QFrame::Sunken) : (QFrame::Box | QFrame::Plain));
        return f;
    }
    case CtlKind::GroupBox: {
        return new QGroupBox(this);
    }
    case CtlKind::Edit: {
        if (s.style & ES_MULTILINE) {
            auto* e = new QPlainTextEdit(this);
            e->setTabChangesFocus(true);
            QObject::connect(e, &QPlainTextEdit::textChanged, this, [dlg, id, e, &s] {
                QString q = e->toPlainText();
                q.replace("\n", "\r\n");
                std::string typed = Typed(q);
                if (typed != s.text.ToUtf8())  // not the program's own text coming back
                    dlg->UserTypeText(id, typed);
            });
            return e;
        }
        auto* e = new CDialogEdit(s, this);
        e->setFrame(true);
        if (s.style & ES_PASSWORD)
            e->setEchoMode(QLineEdit::Password);
        Qt::Alignment a = (s.style & 0x3) == ES_CENTER ? Qt::AlignHCenter : (s.style & 0x3) == ES_RIGHT ? Qt::AlignRight : Qt::AlignLeft;
        e->setAlignment(a | Qt::AlignVCenter);
        QObject::connect(e, &QLineEdit::textEdited, this, [dlg, id, &s, e](const QString& q) {
            QString t = q;
            if (s.style & ES_UPPERCASE)
                t = t.toUpper();
            if (s.style & ES_NUMBER)
                t.remove(QRegularExpression("[^0-9]"));
            t = OneLine(t);
            if (t != q) {
                QSignalBlocker b(e);
                e->setText(t);
            }
            dlg->UserTypeText(id, Typed(t));
        });
        return e;
    }
    case CtlKind::PushButton:
    case CtlKind::BitmapButton: {
        QPushButton* b = s.kind == CtlKind::BitmapButton ? new CPictureButton(this) : new QPushButton(this);
        b->setAutoDefault(false);
        b->setDefault(s.style & BS_DEFPUSHBUTTON);
        QObject::connect(b, &QPushButton::clicked, this, [dlg, id] { dlg->UserClick(id); });
        return b;
    }
    case CtlKind::CheckBox: {
        auto* c = new QCheckBox(this);
        c->setTristate(s.style & BS_3STATE);
        if (s.style & BS_LEFTTEXT)
            c->setLayoutDirection(Qt::RightToLeft);
        QObject::connect(c, &QCheckBox::clicked, this, [dlg, id] { dlg->UserClick(id); });
        return c;
    }
    case CtlKind::RadioButton: {
        auto* r = new QRadioButton(this);
        r->setAutoExclusive(false);  // the dialog keeps groups by WS_GROUP, as templates mark them
        QObject::connect(r, &QRadioButton::clicked, this, [dlg, id] { dlg->UserClick(id); });
        return r;
    }
    case CtlKind::ComboBox: {
        auto* c = new QComboBox(this);
        c->setEditable(!s.IsDropDownList());
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMaxVisibleItems(std::max(5, s.rect.Height() / 9));
        QObject::connect(c, qOverload<int>(&QComboBox::activated), this, [dlg, id](int i) { dlg->UserSelect(id, i); });
        if (c->lineEdit())
            QObject::connect(c->lineEdit(), &QLineEdit::textEdited, this, [dlg, id, c](const QString& q) {
                const QString t = OneLine(q);
                if (t != q) {
                    QSignalBlocker b(c->lineEdit());
                    c->lineEdit()->setText(t);
                }
                dlg->UserTypeText(id, Typed(t));
            });
        return c;
    }
    case CtlKind::ListBox: {
        auto* l = new QListWidget(this);
        l->setSelectionMode((s.style & LBS_MULTIPLESEL)   ? QAbstractItemView::MultiSelection
                            : (s.style & LBS_EXTENDEDSEL) ? QAbstractItemView::ExtendedSelection
                                                          : QAbstractItemView::SingleSelection);
        l->setItemDelegate(new CTabStopDelegate(s, l));
        l->setUniformItemSizes(true);
        if (s.IsMultiSel()) {
            QObject::connect(l, &QListWidget::itemSelectionChanged, this, [dlg, id, l, &s] {
                for (int i = 0; i < l->count() && i < static_cast<int>(s.items.size()); ++i) {
                    bool sel = l->item(i)->isSelected();
                    if (sel != s.items[static_cast<size_t>(i)].selected)
                        dlg->UserSetSel(id, i, sel);
                }
            });
        } else {
            QObject::connect(l, &QListWidget::currentRowChanged, this, [dlg, id, l, &s](int row) {
                // Focus entering a list with no selection makes its first row current without
                // selecting it: the program must not act on a row the user sees unselected.
                if (row >= 0 && !l->item(row)->isSelected())
                    return;
                if (row != s.curSel)
                    dlg->UserSelect(id, row);
            });
            // A click makes the row current before it selects it.
            QObject::connect(l, &QListWidget::itemSelectionChanged, this, [dlg, id, l, &s] {
                const QList<QListWidgetItem*> sel = l->selectedItems();
                if (sel.isEmpty())
                    return;
                const int row = l->row(sel.first());
                if (row != s.curSel)
                    dlg->UserSelect(id, row);
            });
        }
        QObject::connect(l, &QListWidget::itemDoubleClicked, this,
                         [dlg, id, l](QListWidgetItem* it) { dlg->UserDblClk(id, l->row(it)); });
        return l;
    }
    }
    return new QWidget(this);
}

void CQtDialogWindow::Sync(CControlState& s, UINT nChange)
{
    QWidget* w = WidgetOf(s);
    if (!w)
        return;
    QSignalBlocker block(w);
    if (nChange & CtlChange_Rect) {
        QRect r = ToPixels(s.rect);
        if (s.kind == CtlKind::ComboBox)
            r.setHeight(std::max(w->sizeHint().height(), static_cast<int>(std::lround(12 * BaseUnitY()))));
        w->setGeometry(r);
    }
    if (nChange & CtlChange_Enable)
        w->setEnabled(s.enabled);
    if (nChange & CtlChange_Show)
        w->setVisible(s.visible);
    switch (s.kind) {
    case CtlKind::Static:
        if (nChange & CtlChange_Text) {
            auto* l = static_cast<QLabel*>(w);
            l->setText(s.style & SS_NOPREFIX ? ToQ(s.text) : l->buddy() ? ToQ(s.text) : WithoutMnemonic(ToQ(s.text)));
        }
        break;
    case CtlKind::GroupBox:
        if (nChange & CtlChange_Text)
            static_cast<QGroupBox*>(w)->setTitle(ToQ(s.text));
        break;
    case CtlKind::PushButton:
    case CtlKind::BitmapButton:
    case CtlKind::CheckBox:
    case CtlKind::RadioButton: {
        auto* b = static_cast<QAbstractButton*>(w);
        if (nChange & CtlChange_Text)
            b->setText(ToQ(s.text));
        if (nChange & CtlChange_Check) {
            if (auto* c = qobject_cast<QCheckBox*>(w))
                c->setCheckState(s.check == 2 ? Qt::PartiallyChecked : s.check ? Qt::Checked : Qt::Unchecked);
            else if (b->isCheckable())
                b->setChecked(s.check != 0);
        }
        break;
    }
    case CtlKind::Edit:
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if ((nChange & CtlChange_Text) && e->text() != ToQ(s.text))
                e->setText(ToQ(s.text));
            if (nChange & CtlChange_Limit)
                e->setMaxLength(s.limit > 0 ? s.limit : 32767);
            if (nChange & CtlChange_ReadOnly)
                e->setReadOnly(s.readOnly);
            if (nChange & CtlChange_EditSel) {
                e->setSelection(s.selStart, s.selEnd - s.selStart);
                if (auto* d = dynamic_cast<CDialogEdit*>(e))
                    d->DialogSelected();
            }
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
            if ((nChange & CtlChange_Text) && MultiLineFromQ(m->toPlainText()) != s.text)
                m->setPlainText(MultiLineToQ(s.text));
            if (nChange & CtlChange_ReadOnly)
                m->setReadOnly(s.readOnly);
        }
        break;
    case CtlKind::ComboBox: {
        auto* c = static_cast<QComboBox*>(w);
        if (nChange & CtlChange_Items) {
            c->clear();
            for (const CtlItem& it : s.items)
                c->addItem(ToQ(it.text));
        }
        if (nChange & (CtlChange_Items | CtlChange_Selection))
            c->setCurrentIndex(s.curSel);
        if ((nChange & (CtlChange_Text | CtlChange_Items | CtlChange_Selection)) && c->lineEdit()) {
            if (c->lineEdit()->text() != ToQ(s.text))
                c->lineEdit()->setText(ToQ(s.text));
            // A name longer than the box shows its start, not its last letters.
            if (!c->lineEdit()->hasFocus())
                c->lineEdit()->setCursorPosition(0);
        }
        if ((nChange & CtlChange_Limit) && c->lineEdit())
            c->lineEdit()->setMaxLength(s.limit > 0 ? s.limit : 32767);
        break;
    }
    case CtlKind::ListBox: {
        auto* l = static_cast<QListWidget*>(w);
        if (nChange & CtlChange_Items) {
            l->clear();
            for (const CtlItem& it : s.items)
                l->addItem(ToQ(it.text));
        }
        if (nChange & (CtlChange_Items | CtlChange_Selection)) {
            if (s.IsMultiSel()) {
                for (int i = 0; i < l->count() && i < static_cast<int>(s.items.size()); ++i)
                    l->item(i)->setSelected(s.items[static_cast<size_t>(i)].selected);
            } else {
                l->setCurrentRow(s.curSel);
                if (s.curSel < 0)
                    l->clearSelection();
            }
            if (s.topIndex > 0 && s.topIndex < l->count())
                l->scrollToItem(l->item(s.topIndex), QAbstractItemView::PositionAtTop);
        }
        break;
    }
    case CtlKind::Frame:
        break;
    }
}

void CQtDialogWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        m_dlg.UserEscape();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        CControlState* f = m_dlg.FindControl(m_dlg.GetFocusID());
        if (f && f->kind == CtlKind::Edit && (f->style & ES_MULTILINE) && (f->style & ES_WANTRETURN)) {
            QDialog::keyPressEvent(e);
            return;
        }
        if (f && f->kind == CtlKind::PushButton)
            m_dlg.UserClick(f->id);
        else
            m_dlg.UserEnter();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CQtDialogWindow::reject()
{
    // The close box is Cancel, which the dialog may refuse.
    m_dlg.UserEscape();
}

CQtDialogWindow* PeerOf(CDialog& dlg) { return static_cast<CQtDialogWindow*>(dlg.m_pPeer); }

void CQtBackend::ApplyDialogColours(QWidget* w)
{
    COLORREF bk = RGB(192, 192, 192), text = RGB(0, 0, 0);
    if (CWinApp* app = AfxGetApp()) {
        bk = app->GetDialogBkColor();
        text = app->GetDialogTextColor();
    }
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(bk));
    // The text colour is that of enabled controls; a disabled one is drawn in a darker grey than
    // the background, so the secretary sees which controls do nothing and can still read them.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            pal.setColor(group, role, ToQColor(text));
        pal.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    }
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

// --- Running dialogs ------------------------------------------------------------------------------

INT_PTR CQtBackend::RunModalDialog(CDialog& dlg)
{
    CQtDialogWindow window(dlg, QApplication::activeModalWidget() ? QApplication::activeModalWidget() : MainWidget());
    dlg.m_pPeer = &window;
    struct Forget {
        CDialog& d;
        ~Forget()
        {
            for (const auto& s : d.Controls())
                s->peer = nullptr;
            d.m_pPeer = nullptr;
        }
    } forget{dlg};
    if (!m_strRenderPath.isEmpty()) {
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.show();
        dlg.InitModal();
        QApplication::processEvents();
        m_bRenderOk = window.grab().save(m_strRenderPath, "PNG");
        window.hide();
        dlg.EndDialog(IDCANCEL);
        return IDCANCEL;
    }
    window.setModal(true);
    window.show();
    dlg.InitModal();
    window.StartFocusReports();
    if (!dlg.IsEnded())
        window.exec();
    return dlg.GetModalResult();
}

void CQtBackend::EndModalDialog(CDialog& dlg)
{
    if (CQtDialogWindow* w = PeerOf(dlg))
        w->done(dlg.GetModalResult());
}

void CQtBackend::ControlChanged(CDialog& dlg, CControlState& ctl, UINT nChange)
{
    if (CQtDialogWindow* w = PeerOf(dlg))
        w->Sync(ctl, nChange);
}

void CQtBackend::DialogCaptionChanged(CDialog& dlg)
{
    if (CQtDialogWindow* w = PeerOf(dlg))
        w->setWindowTitle(ToQ(dlg.GetCaption()));
}

void CQtBackend::FocusControl(CDialog& dlg, CControlState& ctl)
{
    if (CQtDialogWindow* w = PeerOf(dlg))
        if (QWidget* c = w->WidgetOf(ctl))
            c->setFocus(Qt::OtherFocusReason);
}

// --- Message boxes and choosers -------------------------------------------------------------------

int CQtBackend::MessageBox(const CString& text, const CString& caption, UINT nType)
{
    return ShowMessage(ToQ(text), caption, nType);
}

int CQtBackend::MessageBoxUtf8(const std::string& text, const CString& caption, UINT nType)
{
    return ShowMessage(QString::fromStdString(text), caption, nType);
}

namespace {

// A message taller than the screen would put its buttons off it: its text scrolls instead, and
// the box keeps within the screen. QMessageBox sizes itself to its own label whenever it lays
// out, so that label stays, hidden, holding the text (Ctrl+C copies it), and a label of the
// box's own shows it in a scroll area of a fixed size.
void FitMessageToScreen(QMessageBox& box)
{
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    const QScreen* screen = box.screen();
    const int nAt = label && grid ? grid->indexOf(label) : -1;
    if (nAt < 0 || !screen)
        return;
    const QRect avail = screen->availableGeometry();
    // About as wide as the box makes a long text's lines; at most three fifths of the screen's
    // height, which leaves the buttons, the margins and the title bar room.
    const int nWidth = std::max(240, std::min(avail.width() / 2, 500) - 80);
    const int nMostHeight = avail.height() * 3 / 5;
    auto shown = std::make_unique<QLabel>(label->text());
    shown->setFont(label->font());
    shown->setTextFormat(label->textFormat());
    shown->setTextInteractionFlags(label->textInteractionFlags());
    shown->setWordWrap(true);
    shown->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (shown->heightForWidth(nWidth) <= nMostHeight)
        return;
    int nRow = 0, nColumn = 0, nRows = 1, nColumns = 1;
    grid->getItemPosition(nAt, &nRow, &nColumn, &nRows, &nColumns);
    auto* scroll = new QScrollArea(&box);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    shown->setAutoFillBackground(false);
    scroll->setWidget(shown.release());
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setFixedSize(nWidth + scroll->verticalScrollBar()->sizeHint().width(), nMostHeight);
    label->hide();
    grid->addWidget(scroll, nRow, nColumn, nRows, nColumns);
}

} // namespace

int CQtBackend::ShowMessage(const QString& text, const CString& caption, UINT nType)
{
    QMessageBox box(MainWidget());
    box.setWindowTitle(ToQ(caption));
    box.setText(text);
    switch (nType & MB_ICONMASK) {
    case MB_ICONHAND: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONASTERISK: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    QList<QPair<QMessageBox::StandardButton, int>> buttons;
    switch (nType & MB_TYPEMASK) {
    case MB_OKCANCEL: buttons = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_YESNO: buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case MB_YESNOCANCEL: buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_RETRYCANCEL: buttons = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_ABORTRETRYIGNORE: buttons = {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}}; break;
    default: buttons = {{QMessageBox::Ok, IDOK}}; break;
    }
    QMessageBox::StandardButtons set;
    for (auto& b : buttons)
        set |= b.first;
    box.setStandardButtons(set);
    int def = (nType & MB_DEFMASK) >> 8;
    if (def < buttons.size())
        box.setDefaultButton(buttons[def].first);
    ApplyDialogColours(&box);
    FitMessageToScreen(box);
    int r = box.exec();
    for (auto& b : buttons)
        if (b.first == r)
            return b.second;
    // Closed without a button: the box's way out.
    for (auto& b : buttons)
        if (b.second == IDCANCEL || b.second == IDNO)
            return b.second;
    return buttons.front().second;
}

BOOL CQtBackend::RunFileDialog(CFileDialog& dlg)
{
    QStringList filters;
    for (const auto& [desc, pats] : dlg.GetFilters()) {
        QString d = ToQ(desc), p = ToQ(pats);
        p.replace(';', ' ');
        filters << (d.contains('(') ? d.left(d.indexOf('(')).trimmed() + " (" + p + ")" : d + " (" + p + ")");
    }
    QFileDialog fd(MainWidget());
    fd.setAcceptMode(dlg.IsOpenDialog() ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    fd.setFileMode(dlg.IsOpenDialog() ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!filters.isEmpty())
        fd.setNameFilters(filters);
    if (!dlg.GetDefExt().IsEmpty())
        fd.setDefaultSuffix(ToQ(dlg.GetDefExt()));
    if (dlg.m_ofn.lpstrTitle)
        fd.setWindowTitle(QString::fromUtf8(dlg.m_ofn.lpstrTitle));
    // Paths are the system's bytes, never the program's single-byte text.
    if (dlg.m_ofn.lpstrInitialDir)
        fd.setDirectory(QFile::decodeName(dlg.m_ofn.lpstrInitialDir));
    if (!dlg.GetInitialFileName().IsEmpty())
        fd.selectFile(QFile::decodeName(dlg.GetInitialFileName().GetString()));
    if (!(dlg.m_ofn.Flags & OFN_OVERWRITEPROMPT))
        fd.setOption(QFileDialog::DontConfirmOverwrite);
    if (fd.exec() != QDialog::Accepted || fd.selectedFiles().isEmpty())
        return FALSE;
    dlg.SetResult(CString(QFile::encodeName(fd.selectedFiles().first()).toStdString()));
    return TRUE;
}

BOOL CQtBackend::RunFontDialog(CFontDialog& dlg)
{
    QDialog d(MainWidget());
    d.setWindowTitle("Font");
    ApplyDialogColours(&d);
    auto* face = new QFontComboBox(&d);
    face->setCurrentFont(QFont(AfxSubstituteFace(QString::fromLatin1(dlg.m_lf.lfFaceName))));
    auto* size = new QComboBox(&d);
    size->setEditable(true);
    for (int s : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        size->addItem(QString::number(s));
    size->setEditText(QString::number(dlg.GetSize() / 10.0));
    auto* bold = new QCheckBox("&Bold", &d);
    bold->setChecked(dlg.IsBold());
    auto* italic = new QCheckBox("&Italic", &d);
    italic->setChecked(dlg.IsItalic());
    auto* underline = new QCheckBox("&Underline", &d);
    underline->setChecked(dlg.IsUnderline());
    auto* strike = new QCheckBox("Stri&keout", &d);
    strike->setChecked(dlg.IsStrikeOut());
    QColor colour = ToQColor(dlg.GetColor());
    auto* colourButton = new QPushButton("&Colour...", &d);
    auto* sample = new QLabel("AaBbYyZz 123", &d);
    sample->setMinimumHeight(60);
    sample->setAlignment(Qt::AlignCenter);
    sample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto update = [&] {
        QFont f = face->currentFont();
        f.setPointSizeF(std::max(1.0, size->currentText().toDouble()));
        f.setBold(bold->isChecked());
        f.setItalic(italic->isChecked());
        f.setUnderline(underline->isChecked());
        f.setStrikeOut(strike->isChecked());
        sample->setFont(f);
        QPalette pal = sample->palette();
        pal.setColor(QPalette::WindowText, colour);
        sample->setPalette(pal);
    };
    QObject::connect(face, &QFontComboBox::currentFontChanged, &d, update);
    QObject::connect(size, &QComboBox::currentTextChanged, &d, update);
    for (QCheckBox* c : {bold, italic, underline, strike})
        QObject::connect(c, &QCheckBox::toggled, &d, update);
    QObject::connect(colourButton, &QPushButton::clicked, &d, [&] {
        QColor c = QColorDialog::getColor(colour, &d, "Select Colour");
        if (c.isValid()) {
            colour = c;
            update();
        }
    });
    auto* form = new QFormLayout;
    form->addRow("&Font:", face);
    form->addRow("&Size:", size);
    auto* effects = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{bold, italic, underline, strike, colourButton})
        effects->addWidget(w);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* layout = new QVBoxLayout(&d);
    layout->addLayout(form);
    layout->addLayout(effects);
    layout->addWidget(sample);
    layout->addWidget(buttons);
    update();
    if (d.exec() != QDialog::Accepted)
        return FALSE;
    int size10 = static_cast<int>(std::lround(std::max(1.0, size->currentText().toDouble()) * 10));
    QString family = face->currentFont().family();
    if (family == "Liberation Sans")
        family = "Arial";  // keep the name the league files have always held
    dlg.SetChoice(family.toLatin1().constData(), size10, bold->isChecked(), italic->isChecked(), underline->isChecked(),
                  strike->isChecked(), FromQColor(colour));
    return TRUE;
}

BOOL CQtBackend::RunColorDialog(CColorDialog& dlg)
{
    QColor c = QColorDialog::getColor(ToQColor(dlg.GetColor()), MainWidget(), "Select Colour");
    if (!c.isValid())
        return FALSE;
    dlg.SetColor(FromQColor(c));
    return TRUE;
}

BOOL AfxRenderDialogToPng(UINT nIDD, const char* pszPath)
{
    if (!AfxFindDialogTemplate(nIDD))
        return FALSE;
    CQtBackend renderer;
    renderer.m_strRenderPath = QString::fromUtf8(pszPath);
    CUiBackend* previous = AfxSetBackend(&renderer);
    CDialog dlg(nIDD);
    dlg.DoModal();
    AfxSetBackend(previous);
    return renderer.m_bRenderOk;
}
