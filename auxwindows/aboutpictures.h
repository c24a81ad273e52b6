#pragma once
// The two pictures of the About window, drawn by the program: Athena's owl as struck on an Attic
// silver coin (the portrait), and a temple on a headland above the sea at sunset (the landscape).
#include <QImage>

QImage drawOwlCoin(int size);
QImage drawTempleLandscape(QSize size);
