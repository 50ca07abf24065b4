#include "RealDialogs.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "TempDir.h"
#include "framework/qt/QtBackend.h"
#include "framework/qt/QtBackendImpl.h"

// --- A running dialog ---------------------------------------------------------------------------

namespace {
// The offscreen platform leaves no window active once a message box has gone, where a desktop
// gives the activation back to the dialog; the user always acts in an active dialog.
void Activate(QWidget* window)
{
    if (QApplication::activeWindow() == window || window->isHidden())
        return;
    window->activateWindow();
    for (int i = 0; i < 600 && QApplication::activeWindow() != window; ++i)
        QTest::qWait(5);
    EXPECT_EQ(QApplication::activeWindow(), window) << "the dialog never became active";
}

// Each click a click of its own, never the second half of a double-click.
void SingleClick(QWidget* w, const QPoint& at)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, at, QApplication::doubleClickInterval() + 1);
}

QWidget* KeyTarget(QWidget* window)
{
    Activate(window);
    QWidget* f = QApplication::focusWidget();
    return f && f->window() == window ? f : window;
}
}  // namespace

CDialog& CRealDialog::Dialog() const { return m_window.Dialog(); }

QWidget* CRealDialog::Window() const { return &m_window; }

QWidget* CRealDialog::Widget(UINT nID) const
{
    CControlState* s = Dialog().FindControl(nID);
    if (!s || !s->peer) {
        ADD_FAILURE() << "dialog " << Dialog().GetTemplateID() << " has no control " << nID;
        return nullptr;
    }
    return static_cast<QWidget*>(s->peer);
}

UINT CRealDialog::FocusID() const
{
    Activate(&m_window);
    QWidget* f = QApplication::focusWidget();
    if (!f || f->window() != &m_window)
        return 0;
    CControlState* s = m_window.StateOf(f);
    return s ? s->id : 0;
}

std::string CRealDialog::Text(UINT nID) const
{
    QWidget* w = Widget(nID);
    QString q;
    if (auto* e = qobject_cast<QLineEdit*>(w))
        q = e->text();
    else if (auto* c = qobject_cast<QComboBox*>(w))
        q = c->currentText();
    else if (auto* l = qobject_cast<QLabel*>(w))
        q = l->text();
    else if (auto* b = qobject_cast<QCheckBox*>(w))
        q = b->isChecked() ? "1" : "0";
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
        q = m->toPlainText();
    return q.toStdString();
}


CRealDialog& CRealDialog::Type(const char* pszKeys)
{
    QTest::keyClicks(KeyTarget(&m_window), QString::fromLatin1(pszKeys));
    return *this;
}

CRealDialog& CRealDialog::Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(KeyTarget(&m_window), key, modifiers);
    return *this;
}

CRealDialog& CRealDialog::Tab(int nTimes)
{
    for (int i = 0; i < nTimes; ++i)
        Key(Qt::Key_Tab);
    return *this;
}

CRealDialog& CRealDialog::BackTab(int nTimes)
{
    for (int i = 0; i < nTimes; ++i)
        Key(Qt::Key_Backtab, Qt::ShiftModifier);
    return *this;
}

CRealDialog& CRealDialog::Alt(char cLetter)
{
    QTest::keyClick(KeyTarget(&m_window), cLetter, Qt::AltModifier);
    return *this;
}

CRealDialog& CRealDialog::Click(UINT nID)
{
    Activate(&m_window);
    if (QWidget* w = Widget(nID))
        SingleClick(w, w->rect().center());
    return *this;
}

int CRealDialog::ClickItem(UINT nID, const char* pszItem)
{
    auto* c = qobject_cast<QComboBox*>(Widget(nID));
    if (!c) {
        ADD_FAILURE() << "control " << nID << " is no combo box";
        return -1;
    }
    const int i = c->findText(QString::fromLatin1(pszItem), Qt::MatchExactly);
    if (i < 0) {
        ADD_FAILURE() << "combo " << nID << " has no item \"" << pszItem << "\"";
        return -1;
    }
    Activate(&m_window);
    SingleClick(c, c->rect().center());
    QAbstractItemView* v = c->view();
    if (!v->isVisible()) {
        ADD_FAILURE() << "the list of combo " << nID << " did not open";
        return -1;
    }
    const QModelIndex index = v->model()->index(i, c->modelColumn(), v->rootIndex());
    v->scrollTo(index);
    // The pointer goes over the item, then clicks it.
    const QPoint at(v->viewport()->width() / 2, v->visualRect(index).center().y());
    QTest::mouseMove(v->viewport(), QPoint(at.x(), at.y() > 20 ? 2 : v->viewport()->height() - 2));
    QTest::mouseMove(v->viewport(), at);
    SingleClick(v->viewport(), at);
    return i;
}

CRealDialog& CRealDialog::Pick(UINT nID, const char* pszItem)
{
    const int i = ClickItem(nID, pszItem);
    if (i >= 0 && qobject_cast<QComboBox*>(Widget(nID))->currentIndex() != i)
        ADD_FAILURE() << "combo " << nID << " did not take \"" << pszItem << "\"";
    return *this;
}

CRealDialog& CRealDialog::PickRefused(UINT nID, const char* pszItem)
{
    const int i = ClickItem(nID, pszItem);
    if (i >= 0 && qobject_cast<QComboBox*>(Widget(nID))->currentIndex() == i)
        ADD_FAILURE() << "combo " << nID << " took \"" << pszItem << "\"";
    return *this;
}

// --- The user interface ---------------------------------------------------------------------

struct CRealUi::Impl : QObject {
    CRealUi& ui;
    TempDir settings;
    std::unique_ptr<CUiBackend> backend;
    CUiBackend* previous = nullptr;
    std::vector<std::pair<UINT, std::function<void(CRealDialog&)>>> scripts;
    size_t nextScript = 0;
    std::vector<std::pair<int, std::string>> answers;
    size_t nextAnswer = 0;

    explicit Impl(CRealUi& u) : ui(u) {}

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Show)
            return false;
        if (auto* w = dynamic_cast<CQtDialogWindow*>(o))
            QTimer::singleShot(0, w, [this, w] { Run(*w); });
        else if (auto* box = qobject_cast<QMessageBox*>(o))
            QTimer::singleShot(0, box, [this, box] { Answer(*box); });
        return false;
    }

    void Run(CQtDialogWindow& w)
    {
        // Its first focus is set once the window shows; the steps start after that.
        if (QApplication::activeModalWidget() != &w) {
            QTimer::singleShot(0, &w, [this, &w] { Run(w); });
            return;
        }
        CDialog& dlg = w.Dialog();
        ui.dialogsOpened.push_back(dlg.GetTemplateID());
        if (nextScript >= scripts.size() || scripts[nextScript].first != dlg.GetTemplateID()) {
            ADD_FAILURE() << "dialog " << dlg.GetTemplateID() << " (\"" << dlg.GetCaption().GetString()
                          << "\") opened where " << (nextScript < scripts.size() ? "another was" : "nothing was")
                          << " expected";
            dlg.EndDialog(IDCANCEL);
            return;
        }
        auto steps = scripts[nextScript++].second;
        Activate(&w);
        CRealDialog d(w);
        steps(d);
        if (!dlg.IsEnded()) {
            ADD_FAILURE() << "dialog " << dlg.GetTemplateID() << " is still open at the end of its steps";
            dlg.EndDialog(IDCANCEL);
        }
    }

    void Answer(QMessageBox& box)
    {
        const std::string text = box.text().toStdString();
        ui.messages.push_back(text);
        int answer = IDOK;
        if (nextAnswer < answers.size()) {
            const auto& [a, expected] = answers[nextAnswer++];
            if (!expected.empty() && text.find(expected) == std::string::npos)
                ADD_FAILURE() << "message \"" << text << "\" got the answer meant for \"" << expected << "\"";
            answer = a;
        } else if (!box.button(QMessageBox::Ok) || box.buttons().size() > 1) {
            ADD_FAILURE() << "nobody answered the question \"" << text << "\"";
            answer = box.button(QMessageBox::Cancel) ? IDCANCEL : IDNO;
        }
        QMessageBox::StandardButton sb = answer == IDYES      ? QMessageBox::Yes
                                         : answer == IDNO     ? QMessageBox::No
                                         : answer == IDCANCEL ? QMessageBox::Cancel
                                         : answer == IDRETRY  ? QMessageBox::Retry
                                                              : QMessageBox::Ok;
        if (QAbstractButton* b = box.button(sb)) {
            b->click();
        } else {
            ADD_FAILURE() << "message \"" << text << "\" has no button for answer " << answer;
            box.reject();
        }
    }
};

CRealUi::CRealUi() : m(std::make_unique<Impl>(*this))
{
    AfxUseSettingsFolder(m->settings.path().string().c_str());
    m->backend.reset(AfxCreateQtBackend());
    m->previous = AfxSetBackend(m->backend.get());
    qApp->installEventFilter(m.get());
}

CRealUi::~CRealUi()
{
    qApp->removeEventFilter(m.get());
    AfxSetBackend(m->previous);
    if (m->nextScript < m->scripts.size())
        ADD_FAILURE() << "dialog " << m->scripts[m->nextScript].first << " had steps but never opened";
    if (m->nextAnswer < m->answers.size())
        ADD_FAILURE() << "an answer was queued but no message box came: " << m->answers[m->nextAnswer].second;
}

void CRealUi::OnDialog(UINT nIDD, std::function<void(CRealDialog&)> steps)
{
    m->scripts.emplace_back(nIDD, std::move(steps));
}

void CRealUi::AnswerMessageBox(int nAnswer, const char* pszExpected)
{
    m->answers.emplace_back(nAnswer, pszExpected ? pszExpected : "");
}
