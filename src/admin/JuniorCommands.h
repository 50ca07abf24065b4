#pragma once
// Juniors > Category Setup: the junior categories and the qualifying date of the open league.
class CBowlingDoc;

namespace JuniorCommands {

// Installs the command into the league document. Call once at start-up.
void Install();

// "Junior Categories" on the league, then every junior placed again; the league is marked
// modified however the dialog closes, as its buttons change the league at once.
void CategorySetup(CBowlingDoc* pDoc);

} // namespace JuniorCommands
