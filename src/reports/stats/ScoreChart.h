#pragma once
// The chart of a page of games: the box, the games counted by 25-pin band (the highest band
// at the top) and the games in order with their running average. The player page and the
// full team history draw it; a team's game is its bowlers' games together.
#include "view/RepItem.h"

#include <span>

constexpr int SCORE_CHART_BANDS = 13;

// bands[i]: the games from 25 * i * nPerGame, each band nPerGame times as wide and its label
// nPerGame times as high. scores: the games in order, plotted divided by nPerGame.
// nLabelRight: where the bands' labels end.
void DrawScoreChart(CDC* pDC, int nTop, int nBottom, const int (&bands)[SCORE_CHART_BANDS], int nLabelRight,
                    int nPerGame, std::span<const int> scores);
