// Reading a saved sheet back into the record it was composed from, so that a
// sheet can be opened in the window again: the composer's inverse.
//
// What a sheet is, line by line, is what compose_sheet writes; the reader
// takes its lines in the same order and is strict where the layout is what
// tells the fields apart: rules, titles and label literals must stand whole
// and in their places, optional lines are known by their label and must give
// one of the answers the composer writes, and "# of discs" must count the
// disc sections that follow. It forgives what editors do when they save:
// - Line ends: CR LF or a lone LF, taken line by line, so a sheet whose line
//   ends an editor changed, all or some of them, reads as the same record
//   (but for the group's .nfo, below). A CR that no LF follows is text.
// - Trailing blanks stripped: a title line may carry any number of blanks
//   after its title; a label literal that lost its trailing blank gives the
//   empty value (so does "Yes, " of the repost line); the headline may lose
//   the blank after " proudly presents" when no title follows; the last
//   support-files item may lose its blank.
// - One line end after the closing rule.
//
// Values are read as written: a label line's value is everything after its
// 30-character literal up to the line end, blanks and all. The window's
// single-line boxes cannot hold a line break, so no value but
// release_group_nfo holds CR or LF; for every such record r,
// compose_sheet(*read_sheet(compose_sheet(r))) == compose_sheet(r).
// Where a sheet can be read two ways it is read one, and both compose to the
// same text: the headline is split at its first " proudly presents ", the URL
// is what stands between "Go to " and the line's closing " for more info".
#pragma once

#include "outcome.h"
#include "release_sheet.h"

#include <string_view>

namespace relwiz {

// The record whose sheet `text` (UTF-8) is. Fields the sheet does not show
// keep ReleaseSheet{}'s value: repost_commences unless the repost line says
// Yes, the discs beyond the count, the choices whose line is absent.
// Refused with the first line that is not what a sheet holds there, and
// what it holds, worded for the user: "line 24: the dash rule that opens
// Post Information was expected here".
//
//     const relwiz::Outcome<relwiz::ReleaseSheet> reading = relwiz::read_sheet(text);
//     if (reading)
//         form.fill(*reading);
//     else
//         show(reading.refusal().message);
//
// The group's .nfo runs from its section's header to the credit footer at
// the very end of the text, whatever its lines look like, and is taken byte
// for byte: its line breaks stay as the file holds them (the window's box
// takes CR LF, LF and CR alike), and only the line end and blank line the
// composer adds before the footer are cut. The footer is a dash rule, a
// credit line that starts "Created with Relwiz 2000 - get it at " (older
// versions gave another address after it) and a closing dash rule.
// Time is linear in the text's length.
Outcome<ReleaseSheet> read_sheet(std::string_view text);

}  // namespace relwiz
