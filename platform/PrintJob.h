#pragma once

class QPrinter;

// Whether the document just ended on printer, on this thread, reached the
// printer: for the system's printer, whether the print system made a job of
// it. A queue that holds the job has made it; one that refuses it has not.
bool printJobCreated(const QPrinter &printer);
