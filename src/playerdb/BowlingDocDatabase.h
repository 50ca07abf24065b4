#pragma once
// Joins the player database to the league document: every document the program makes opens
// the database in the "Database path" folder and closes it when it goes.
namespace PlayerDatabase {

// Call once at start-up, before the first document is made.
void Install();

} // namespace PlayerDatabase
