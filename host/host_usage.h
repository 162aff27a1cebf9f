#pragma once
// What pirogram-host says about how to call it: the short usage after a wrong
// call, and --help's whole text with the script commands.
namespace pg::host {

const char* UsageText();
const char* HelpText();

}  // namespace pg::host
