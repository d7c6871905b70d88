#include "tools/cli/CliMessages.h"

#include "common/Translate.h"

#include <array>

namespace tarn::cli {

namespace {

// The most specific pattern that matches a line is used, so the general ones last.
constexpr std::array Messages{
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: unknown verb '%1'"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: warning: no backup kept: %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: backup %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: warning: no serial trace kept: %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: warning: the trace was not written to %1: %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "cannot write the trace %1: %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: warning: %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: cannot write %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli %1: %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "%1: %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "\"%1\": cannot open: %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "\"%1\": cannot open"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "\"%1\": cannot read"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "\"%1\": too large for a channel table"),
    // What the standard output could not take.
    TARN_TRANSLATE_NOOP("tarn::Prompt", "to standard output"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "the table to standard output"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "the channel list to standard output"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "the image to standard output"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "the report"),
    // Command lines.
    TARN_TRANSLATE_NOOP("tarn::Prompt", "%1 needs a value"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "--retry takes a count, not '%1'"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "unknown option '%1'"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "one file only"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "--port and a file are required"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "%1 takes one --port"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "--verify belongs to write"),
    TARN_TRANSLATE_NOOP("tarn::Prompt",
                        "--trace takes one --port; a fleet's traces are kept in the traces folder"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "unknown argument '%1'"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "%1 takes a value"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "--listen takes HOST:PORT, not \"%1\""),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "--port is required"),
    TARN_TRANSLATE_NOOP("tarn::Prompt",
                        "--listen %1 reaches beyond this computer: add --allow-remote"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "--first takes a channel from 1 to %1, not \"%2\""),
    // Reports and warnings.
    TARN_TRANSLATE_NOOP("tarn::Prompt", "no standard input to read the table from"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "nothing written"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "will not write a memory image to a terminal; redirect it"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "warning: could not write the row dump %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "the system reports no serial ports"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "COM%1 is %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Channels sorted by %1."),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Channels sorted by %1, descending."),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Channels already in order by %1."),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Channels already in order by %1, descending."),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "the image read from the radio is kept in %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "read %1 (%2 channels)"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "wrote %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "wrote %1 (verified)"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "warning: channels outside the band %1 of the model, "
                                        "which the radio cannot use: %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "cancelled"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "  (retrying)"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "  (continuing: --force-type)"),
    // A port's own faults.
    TARN_TRANSLATE_NOOP("tarn::Prompt", "in use by another program"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "the port stopped working (%1)"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "read error"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "write error"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "device gone"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "permission denied"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "i/o error"),
    // Progress, redrawn in place on a terminal ("Reading [###   ] 12/64 18%").
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Reading [%1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Writing [%1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Verifying [%1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Reading %1%"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Writing %1%"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Verifying %1%"),
    // A fleet's progress lines, redrawn in place on a terminal (the phase 9 columns wide).
    TARN_TRANSLATE_NOOP("tarn::Prompt", "%1  Writing  [%2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "%1  Verifying [%2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "%1  Done     [%2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "%1  Failed   [%2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Done %1%"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "Failed %1%"),
    // The bridge's log.
    TARN_TRANSLATE_NOOP("tarn::Prompt", "cannot listen on \"%1\": not an address"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "cannot listen on %1: %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "refused a client from %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "could not open %1: %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "client from %1 on %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "client gone; port closed"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "the port failed"),
};

} // namespace

std::span<const char* const> cliMessages() {
    return Messages;
}

} // namespace tarn::cli
