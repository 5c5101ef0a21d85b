#pragma once

struct Contesto;
struct Modulo1;

// Makes every screen of the program known to the screen list by its form name.
void registraSchermi(Contesto &c, Modulo1 &stato);
