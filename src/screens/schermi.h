#pragma once

struct Contesto;

// Makes every screen of the program known to the registry by its form name.
void registraSchermi(Contesto &c);
