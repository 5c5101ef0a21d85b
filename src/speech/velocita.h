#pragma once

// The speaking speed, in words per minute: every range of it, in one place.
namespace Velocita {

// What the voice settings offer, and the speed of a first run.
inline constexpr int Minima = 70;
inline constexpr int Massima = 200;
inline constexpr int Predefinita = 130;

// What espeak-ng itself accepts; a speed outside is brought to the nearest
// end (70 on the slider is read at 80).
inline constexpr int MinimaEspeak = 80;
inline constexpr int MassimaEspeak = 450;

} // namespace Velocita
