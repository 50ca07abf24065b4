#pragma once
// The records of the player database that the look-up dialogs list for a typed surname, in the
// order of the "Sname" index. Bowlers already in the open league are left out.
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <vector>

class CBowlingDoc;
class CListBox;
class CPlayb003File;

struct CDatabaseListLine
{
    CString strText;
    DWORD dwKey;
    // What tells the record from others of its name the list walked (listed, or the open
    // league's): its first address line, or "Unique Ref. 0000002A"; empty when no other is. The
    // text ends with it in brackets.
    CString strApart;
};

// A record as its namesakes are told from it: its name and first address line, as they identify.
struct CNamesake
{
    CString strName;
    CString strAddress;
    DWORD dwKey;
};
// The record the table is positioned on.
CNamesake NamesakeOf(const CPlayb003File& t);
// Lines of a name (any case) that another record of `walked` also holds, listed or not (a record
// of the open league is not listed, but may be the one the secretary has in mind), are told apart
// by the first address line where none of the others has it, else by the record's unique
// reference, as "Database Details" shows it (strApart, and in brackets after the text). Every
// line's record is among `walked`.
void TellNamesakesApart(std::vector<CDatabaseListLine>& lines, const std::vector<CNamesake>& walked);

// Empty text: every record, "Surname First". Otherwise every record whose surname begins with
// the text (any case), "First Surname". Records of one name are told apart (strApart).
// bExcludedNotInLeague: an excluded league bowler's record
// is offered again, except among the records after the first one found. *pbRead: FALSE when the
// database could not be read (not open, or its files not to be had now), the list then empty.
std::vector<CDatabaseListLine> ListDatabasePlayers(CBowlingDoc* pDoc, const CString& strTyped,
                                                   BOOL bExcludedNotInLeague, BOOL* pbRead = nullptr);
// The same into a list box, each line's key as its data (and the lines into *pLines); FALSE when
// the database could not be read.
BOOL FillDatabasePlayerList(CBowlingDoc* pDoc, CListBox* pList, const CString& strTyped,
                            BOOL bExcludedNotInLeague, std::vector<CDatabaseListLine>* pLines = nullptr);
// The key of the selected line; 0 with none selected.
DWORD SelectedDatabaseKey(CListBox* pList);
