#pragma once
// The season's shape: Fixture > Edit League Schedule and League > Miscellaneous Setup > Split
// Season, run on the open league.
class CBowlingDoc;

namespace SeasonCommands {

// Installs the commands into the league document. Call once at start-up.
void Install();

} // namespace SeasonCommands
