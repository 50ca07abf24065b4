#pragma once
// The launchers of result entry: every road into one match's result ends here.
//
// Enter...Result puts the team order's bowlers into each side that has no result yet and
// then runs Edit...Result. Edit...Result runs the scoresheet of the size on the live fixture:
// TRUE on OK (the fixture holds the new result), FALSE on Cancel (the fixture is exactly as
// it was when Edit...Result began, and so are the league's award records, bowlers and team
// orders, which the sheet's Awards and New Player change).
#include "framework/core/Types.h"

class CBowlingDoc;
class CFixture;
class CScoresheetDlg;

BOOL EnterFivesResult(CBowlingDoc* pDoc, CFixture* pFixture);
BOOL EnterFoursResult(CBowlingDoc* pDoc, CFixture* pFixture);
BOOL EnterThreesResult(CBowlingDoc* pDoc, CFixture* pFixture);
BOOL EnterDoublesResult(CBowlingDoc* pDoc, CFixture* pFixture);
BOOL EnterSinglesResult(CBowlingDoc* pDoc, CFixture* pFixture);
BOOL EditFivesResult(CBowlingDoc* pDoc, CFixture* pFixture);
BOOL EditFoursResult(CBowlingDoc* pDoc, CFixture* pFixture);
BOOL EditThreesResult(CBowlingDoc* pDoc, CFixture* pFixture);
BOOL EditDoublesResult(CBowlingDoc* pDoc, CFixture* pFixture);
BOOL EditSinglesResult(CBowlingDoc* pDoc, CFixture* pFixture);

// The pair of the league's players per team; FALSE without running anything for a size
// outside 1..5.
BOOL EnterResult(CBowlingDoc* pDoc, CFixture* pFixture);
BOOL EditResult(CBowlingDoc* pDoc, CFixture* pFixture);

// The line-up fill alone: sides without a result take the first bowlers of their team order
// (entries that name no bowler are passed over) with clear position flags, keeping only the
// scores typed for their positions (CFixture::ClearLeftovers).
void FillLineUp(CBowlingDoc* pDoc, CFixture* pFixture);
// Presets a scoresheet on a fixture: points systems, folded sides, scores, names, boxes.
void PrepareScoresheet(CScoresheetDlg& dlg, CBowlingDoc* pDoc, CFixture* pFixture);
