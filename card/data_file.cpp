#include "card/data_file.h"

#include "card/file_io.h"
#include "card/record_reader.h"

namespace kestravo {

namespace {

void emptyCard(Card& card) {
  card.matrix.reset(0);
  card.raceCount = 0;
  card.raceStarters.assign(1, 0);
  card.scratchTable.reset(0);
  card.scratchFileName.clear();
}

LoadProblems readInto(Card& card) {
  LoadProblems problems;
  RecordTable buffers = card.matrix.releaseBuffers();
  emptyCard(card);
  if (card.dataFilePath.empty()) return problems;

  std::string& data = buffers.text;
  switch (readWholeFile(card.dataFilePath, kMaxDataFileBytes, data)) {
    case ReadStatus::kCannotOpen:
      problems.messages.push_back("CANNOT OPEN THE DATA FILE " + card.dataFilePath);
      return problems;
    case ReadStatus::kTooLarge:
      problems.messages.push_back("THE DATA FILE IS LARGER THAN 64 MB AND WAS NOT LOADED: " +
                                  card.dataFilePath);
      return problems;
    case ReadStatus::kOk:
      break;
  }
  // A file past the record limit is told by its record ends alone, before any of it is
  // decoded: the refusal costs one pass over the bytes and no memory beyond them.
  if (moreRecordsThan(data, kMaxDataFileRecords)) {
    problems.messages.push_back("THE DATA FILE HAS MORE THAN 10,000 RECORDS AND WAS NOT LOADED: " +
                                card.dataFilePath);
    return problems;
  }
  RecordTable records =
      readRecords(std::move(data), kFieldCount, kMaxDataFileRecords, std::move(buffers.spans));
  problems.dataFileRead = true;
  card.matrix.load(std::move(records));
  card.raceCount = highestRace(card.matrix);
  applyScratchFile(card, problems);
  return problems;
}

}  // namespace

LoadProblems readDataFile(Card& card) {
  LoadProblems problems = readInto(card);
  // The conditions lines are built when a card is opened and kept through the loads that
  // follow a change of scratches; they only keep pace with the number of races.
  card.raceLine.resize(static_cast<std::size_t>(card.raceCount + 1));
  return problems;
}

void applyScratchFile(Card& card, LoadProblems& problems) {
  card.scratchFileName = scratchFileName(card.dataFilePath);
  const int entries = card.entryCount();
  std::string text;
  if (!fileExists(card.scratchFileName)) {
    card.scratchTable = newScratchTable(card.matrix);
    std::string error;
    // Unwritable folder: the user is told, and the card still computes with the fresh
    // table so no pick or figure is lost for this session.
    if (!WriteScratchFile(card.scratchTable, card.scratchFileName, &error)) {
      problems.messages.push_back(error);
    }
  } else if (readWholeFile(card.scratchFileName, kMaxDataFileBytes, text) == ReadStatus::kOk) {
    card.scratchTable = readScratchTable(std::move(text), entries);
  } else {
    problems.messages.push_back("CANNOT READ THE SCRATCH FILE " + card.scratchFileName);
    problems.scratchFileRead = false;
    card.scratchTable.reset(entries);
  }
  applyScratchTable(card.scratchTable, card.matrix);
}

}  // namespace kestravo
