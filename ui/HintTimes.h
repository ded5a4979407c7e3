#pragma once
// Tooltips of the program appear a quarter of a second after the mouse stops and stay seven
// seconds.

class QWidget;

constexpr int HintWakeUpMs = 250;
constexpr int HintShowMs = 7000;

// Installs the wake-up delay for the whole application (once) and the showing time for the
// window's controls.
void InstallHintTimes(QWidget* window);
