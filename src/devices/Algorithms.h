#pragma once
#include "common/Phrase.h"
#include <string>
#include <vector>

// The programming documents the program knows, by the name a device section's
// "Algoritmo" key gives them: the Microchip document number without its revision letter.
//   DS30262  PIC16F84A                  DS39589  PIC16F873A-877A
//   DS30034  PIC16F627/628              DS39607  PIC16F87/88
//   DS41196  PIC16F627A/628A/648A       DS30228  PIC16C one-time-programmable parts
//   DS39025  PIC16F870-877              DS39576  PIC18FXX2/XX8
//   DS30324  PIC16F73/74/76/77          DS39622  PIC18F2XXX/4XXX
//   DS41191  PIC12F629/675, PIC16F630/676
//   DS41204  PIC12F635/683, PIC16F631/636/639/677/684/685/687/688/689/690
//   DS41287  PIC16F882/883/884/886/887
const std::vector<std::string>& KnownAlgorithms();
// The family whose parts a known document programs (16 or 18); 0 for any other name.
int AlgorithmFamily(const std::string& name);

// The document a device section names with "Algoritmo" (any case), checked against the
// known ones and the family of the section's name (when it is 16 or 18: a PIC12F part takes
// the document's). Empty `error` when it is usable.
struct AlgorithmChoice {
    std::string name; // as KnownAlgorithms writes it
    Phrase error;     // the message that refuses the section
};
AlgorithmChoice ChooseAlgorithm(const std::string& key, const std::string& deviceName, int family);

// The document of a section without "Algoritmo": the one its "Programming" kind chose
// before the key existed ("Flash" parts told apart by their names, "Flash2" likewise);
// empty for a kind the program does not know, which keeps that kind's old behaviour.
std::string FallbackAlgorithm(const std::string& programming, const std::string& deviceName,
                              int family);
