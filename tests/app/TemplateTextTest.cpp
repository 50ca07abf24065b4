// Every dialog template built on the real widgets with the dialogs' font: no label, box or
// button shows less than its whole text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <functional>
#include <sstream>

#include "framework/qt/QtBackendImpl.h"
#include "resources/Resource.h"

namespace {

// Builds the dialog's window as the Qt backend does and hands it over instead of running it.
class CBuildOnlyBackend : public CQtBackend {
public:
    std::function<void(CDialog&, CQtDialogWindow&)> inspect;
    INT_PTR RunModalDialog(CDialog& dlg) override
    {
        CQtDialogWindow window(dlg, nullptr);
        dlg.m_pPeer = &window;
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.show();
        QApplication::processEvents();
        inspect(dlg, window);
        for (const auto& s : dlg.Controls())
            s->peer = nullptr;
        dlg.m_pPeer = nullptr;
        return IDCANCEL;
    }
};

// What the widget's text needs against what it has; empty when it fits.
std::string Clipping(QWidget* w)
{
    const QFontMetrics fm(w->font());
    QSize need, have = w->size();
    if (auto* l = qobject_cast<QLabel*>(w)) {
        // A label wraps only when the template gives it room for a second line.
        const QRect room = l->contentsRect();
        const int flags = l->wordWrap() ? Qt::TextWordWrap : 0;
        have = room.size();
        if (!l->text().contains('\n') && fm.horizontalAdvance(l->text()) <= room.width())
            return {};  // one line: the template's height is the font's
        need = fm.boundingRect(QRect(0, 0, room.width(), 10000), flags, l->text()).size();
    } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !qobject_cast<QPushButton*>(w)) {
        // The indicator and its spacing, then the text's own room.
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const bool bRadio = qobject_cast<QRadioButton*>(w) != nullptr;
        const QRect text = b->style()->subElementRect(bRadio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &opt, b);
        need = QSize(b->width() - text.width() + fm.size(Qt::TextShowMnemonic, b->text()).width(), 0);
    } else if (auto* b = qobject_cast<QPushButton*>(w)) {
        // The style's frame and margin round the text, without its least button width.
        QStyleOptionButton opt;
        opt.initFrom(b);
        const int edge = b->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, b) +
                         2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, b);
        need = QSize(fm.size(Qt::TextShowMnemonic, b->text()).width() + edge, 0);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.textAlignment = g->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        opt.lineWidth = 1;
        need = QSize(g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g).right() + 1, 0);
    } else {
        ADD_FAILURE() << "no measure for this kind of control";
        return {};
    }
    // The last line's leading may fall outside: it holds no ink.
    if (need.width() <= have.width() && need.height() <= have.height() + fm.leading() + 1)
        return {};
    std::ostringstream out;
    out << "needs " << need.width() << "x" << need.height() << " px, has " << have.width() << "x" << have.height();
    return out.str();
}

}  // namespace

TEST(DialogTemplates, EveryTextFitsItsControlInTheDialogsFont)
{
    RegisterResources();
    CBuildOnlyBackend qt;
    CUiBackend* previous = AfxSetBackend(&qt);
    int nChecked = 0;
    qt.inspect = [&nChecked](CDialog& dlg, CQtDialogWindow& window) {
        for (const auto& s : dlg.Controls()) {
            const bool bLabelled = s->kind == CtlKind::Static || s->kind == CtlKind::PushButton ||
                                   s->kind == CtlKind::CheckBox || s->kind == CtlKind::RadioButton ||
                                   s->kind == CtlKind::GroupBox;
            if (!bLabelled || s->text.IsEmpty())
                continue;
            ++nChecked;
            const std::string clipped = Clipping(window.WidgetOf(*s));
            EXPECT_EQ(clipped, "") << "dialog " << dlg.GetTemplateID() << " \"" << dlg.GetCaption().GetString()
                                   << "\", control " << s->id << " \"" << s->text.GetString() << "\"";
        }
    };
    for (const DlgTemplate* t : AfxAllDialogTemplates()) {
        CDialog dlg(t->id);
        dlg.DoModal();
    }
    AfxSetBackend(previous);
    EXPECT_GT(nChecked, 900);  // the sweep reached the templates' texts
}

// Where a control sits: inside the dialog, clear of the other texts and of a group box's title
// and frame, and a label filled in later (a status line) with room for one line inside its frame.
TEST(DialogTemplates, EveryControlSitsInsideTheDialogAndClearOfGroupBoxFrames)
{
    RegisterResources();
    CBuildOnlyBackend qt;
    CUiBackend* previous = AfxSetBackend(&qt);
    int nGroups = 0;
    qt.inspect = [&nGroups](CDialog& dlg, CQtDialogWindow& window) {
        const auto where = [&dlg](const CControlState& s) {
            std::ostringstream out;
            out << "dialog " << dlg.GetTemplateID() << " \"" << dlg.GetCaption().GetString() << "\", control " << s.id
                << " \"" << s.text.GetString() << "\"";
            return out.str();
        };
        const auto bText = [](const CControlState& s) {
            return (s.kind == CtlKind::Static && !s.text.IsEmpty()) || s.kind == CtlKind::CheckBox ||
                   s.kind == CtlKind::RadioButton || s.kind == CtlKind::PushButton;
        };
        for (const auto& s : dlg.Controls()) {
            QWidget* w = window.WidgetOf(*s);
            EXPECT_TRUE(window.rect().contains(w->geometry())) << where(*s) << " runs past the dialog's edge";
            // Two texts side by side: neither box lies over the other.
            for (const auto& o : dlg.Controls()) {
                if (o.get() < s.get() && bText(*s) && bText(*o)) {
                    EXPECT_FALSE(w->geometry().intersects(window.WidgetOf(*o)->geometry()))
                        << where(*s) << " lies over " << where(*o);
                }
            }
            if (auto* l = qobject_cast<QLabel*>(w); l && s->text.IsEmpty()) {
                const QFontMetrics fm(l->font());
                EXPECT_GE(l->contentsRect().height() + fm.leading() + 1, fm.height()) << where(*s) << " has no room for a line";
            }
            auto* g = qobject_cast<QGroupBox*>(w);
            if (!g)
                continue;
            ++nGroups;
            QStyleOptionGroupBox opt;
            opt.initFrom(g);
            opt.text = g->title();
            opt.textAlignment = g->alignment();
            opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            opt.lineWidth = 1;
            // A text starts under the frame's top line, which runs under the title; a box with a
            // border of its own may rest on the line, but not on the title.
            const QRect inside =
                g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxContents, g).translated(g->pos());
            const QRect title = g->title().isEmpty() ? QRect()
                : g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g).translated(g->pos());
            // A control belongs to the box its middle lies in.
            for (const auto& o : dlg.Controls()) {
                const QRect r = window.WidgetOf(*o)->geometry();
                if (o->kind == CtlKind::GroupBox || !g->geometry().contains(r.center()))
                    continue;
                const bool bBorderless = o->kind == CtlKind::Static || o->kind == CtlKind::CheckBox ||
                                         o->kind == CtlKind::RadioButton || o->kind == CtlKind::PushButton;
                EXPECT_TRUE(bBorderless ? inside.contains(r) : g->geometry().contains(r) && !title.intersects(r))
                    << where(*o) << " crosses the frame or title of group box \"" << s->text.GetString() << "\"";
            }
        }
    };
    for (const DlgTemplate* t : AfxAllDialogTemplates()) {
        CDialog dlg(t->id);
        dlg.DoModal();
    }
    AfxSetBackend(previous);
    EXPECT_GT(nGroups, 50);  // the sweep reached the group boxes
}
