#pragma once

// How quarvel-cli ends.
enum class ExitStatus {
    Success = 0,
    Findings = 1,  // check-catalogue: lines skipped or never read, or no record; or no catalogue to check
    Usage = 2,     // a wrong command line, an invalid count, a query text too short
    IoFailure = 3, // the catalogue could not be read to its end, or the output or the report file not written
};
