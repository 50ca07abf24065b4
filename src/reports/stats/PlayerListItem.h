#pragma once
// The player list: the league's bowlers in alphabetical order, two to a block, each with the
// details the secretary ticked in "Player List Additional Items".
#include "league/FontData.h"
#include "view/RepItem.h"

class CPlayer;

// The document's player-list show flags, in their stored order.
enum PlayerListShow
{
    PLS_NAME = 0,
    PLS_ADDRESS,
    PLS_PHONES,
    PLS_PIN,
    PLS_MEMBERSHIP_NO,
    PLS_MEMBERSHIP_TYPE,
    PLS_BIRTH_DATE,
    PLS_USER1,
    PLS_USER2,
    PLS_COUNT,
};
// Entries of the document's default-font table.
constexpr int FONT_PLAYER_LIST_DETAIL = 32;
constexpr int FONT_PLAYER_LIST_NAME = 33;
constexpr int FONT_PLAYER_LIST_TITLE = 34;

class CRepItem_PlayerList : public CRepItem
{
public:
    CRepItem_PlayerList();
    ~CRepItem_PlayerList() override;

    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    // The lines a bowler's column takes with the flags set.
    int CountLines(const CPlayer* pPlayer) const;

    CPlayer* m_pLeft = nullptr;    // not owned
    CPlayer* m_pRight = nullptr;   // or null
    CFontData m_fontDetail;
    CFontData m_fontName;
    DWORD m_bShowBirthDate = 0;
    DWORD m_bShowAddress = 0;
    DWORD m_bShowPhones = 0;
    DWORD m_bShowPin = 0;
    DWORD m_bShowMembershipNo = 0;
    DWORD m_bShowUser1 = 0;
    DWORD m_bShowUser2 = 0;
    DWORD m_bShowMembershipType = 0;

private:
    void DrawColumn(CDC* pDC, CPlayer* pPlayer, int x0, int nPhoneEdge, bool bLeft, CFont& fontName,
                    CFont& fontDetail);
};

// Rebuilds the display's items: one block for each two bowlers in alphabetical order (the
// bowlers must have been numbered alphabetically), with the document's flags and fonts.
// Returns the number of blocks.
int BuildPlayerList(CBowlingDoc& doc);
