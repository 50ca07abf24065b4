// Every dialog template built on the real widgets with the dialogs' font: no label, box or
// button shows less than its whole text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <functional>
#include <sstream>
#include <vector>

#include "framework/qt/QtBackendImpl.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "resources/Resource.h"
#include "resources/dialogs/ResultDialogs.h"

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

// Where a label draws its text: inside its frame and margin and, when framed, past the indent
// Qt gives it on each edge the text is aligned to (the top one too).
QRect TextRoom(const QLabel* l)
{
    QRect r = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    int indent = l->indent();
    if (indent < 0 && l->frameWidth() > 0)
        indent = l->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - l->margin();
    if (indent > 0) {
        const Qt::Alignment a = QStyle::visualAlignment(l->layoutDirection(), l->alignment());
        r.adjust(a & Qt::AlignLeft ? indent : 0, a & Qt::AlignTop ? indent : 0, a & Qt::AlignRight ? -indent : 0,
                 a & Qt::AlignBottom ? -indent : 0);
    }
    return r;
}

// What the widget's text needs against what it has; empty when it fits.
std::string Clipping(QWidget* w)
{
    const QFontMetrics fm(w->font());
    QSize need, have = w->size();
    if (auto* l = qobject_cast<QLabel*>(w)) {
        // A label wraps only when the template gives it room for a second line.
        const QRect room = TextRoom(l);
        const int flags = l->wordWrap() ? Qt::TextWordWrap : 0;
        have = room.size();
        // One line of a plain label: the template's height is the font's. A framed one gives
        // part of its height to the frame and the indent.
        if (!l->text().contains('\n') && fm.horizontalAdvance(l->text()) <= room.width() && l->frameWidth() == 0)
            return {};
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
                EXPECT_GE(TextRoom(l).height() + fm.leading() + 1, fm.height()) << where(*s) << " has no room for a line";
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

// A scoresheet's player box shows a bowler's whole name, for the widest name the sample leagues
// make (the large one numbers the most bowlers, so its names run longest), on every team size.
TEST(DialogTemplates, EveryScoresheetPlayerBoxShowsTheWidestSampleName)
{
    RegisterResources();
    CBowlingDoc sample;
    SampleLeagueShape shape = GetSampleLeagueShape(TRUE);
    shape.nRoundsPlayed = 0;  // the names are all it needs
    BuildSampleLeague(sample, shape, FALSE);
    std::vector<QString> names;
    for (POSITION pos = sample.m_listPlayers.GetHeadPosition(); pos;)
        names.push_back(QString::fromUtf8(static_cast<CPlayer*>(sample.m_listPlayers.GetNext(pos))->m_strName.GetString()));
    ASSERT_GT(names.size(), 200u);

    CBuildOnlyBackend qt;
    CUiBackend* previous = AfxSetBackend(&qt);
    int nBoxes = 0;
    qt.inspect = [&](CDialog& dlg, CQtDialogWindow& window) {
        for (const auto& s : dlg.Controls()) {
            const bool bPlayerBox = std::find(std::begin(IDC_SS_PLAYER_A), std::end(IDC_SS_PLAYER_A), s->id) !=
                                        std::end(IDC_SS_PLAYER_A) ||
                                    std::find(std::begin(IDC_SS_PLAYER_B), std::end(IDC_SS_PLAYER_B), s->id) !=
                                        std::end(IDC_SS_PLAYER_B);
            if (!bPlayerBox)
                continue;
            auto* c = qobject_cast<QComboBox*>(window.WidgetOf(*s));
            ASSERT_TRUE(c && c->lineEdit()) << "control " << s->id;
            ++nBoxes;
            // The line edit keeps two pixels each side of its text.
            const QLineEdit* e = c->lineEdit();
            const QMargins m = e->textMargins();
            const int room = e->contentsRect().width() - m.left() - m.right() - 4;
            const QFontMetrics fm(e->font());
            QString widest;
            for (const QString& n : names)
                if (fm.horizontalAdvance(n) > fm.horizontalAdvance(widest))
                    widest = n;
            EXPECT_LE(fm.horizontalAdvance(widest), room)
                << "dialog " << dlg.GetTemplateID() << ", player box " << s->id << " cuts \"" << widest.toStdString() << "\"";
        }
    };
    for (UINT idd : {IDD_SINGLES_SCORESHEET, IDD_DOUBLES_SCORESHEET, IDD_THREES_SCORESHEET, IDD_FOURS_SCORESHEET,
                     IDD_FIVES_SCORESHEET}) {
        CDialog dlg(idd);
        dlg.DoModal();
    }
    AfxSetBackend(previous);
    EXPECT_EQ(nBoxes, 2 * (1 + 2 + 3 + 4 + 5));
}
