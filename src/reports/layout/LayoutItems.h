#pragma once
// Makes the layout items' classes known by name (the league file and report-layout files
// create them so). A static library leaves out object files nobody refers to, so the
// program calls this once at start-up.
void RegisterReportLayoutItems();
