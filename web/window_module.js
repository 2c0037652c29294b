// The window module's functions as the page calls them, added to the module
// at link time (--post-js): the exported C functions take and give plain
// numbers, and hand texts and lists over through Module.given.
Module['load'] = (page, settings) => {
  Module.page = page;
  Module.settings = settings;
  _rt_load();
};
Module['command1Click'] = (index) => _rt_command1_click(index);
Module['list1Click'] = (index) => _rt_list1_click(index);

// What one of the listing functions gives, as a list.
function givenBy(listing) {
  Module.given = [];
  listing();
  const given = Module.given;
  Module.given = null;
  return given;
}

Module['readingNotes'] = () => givenBy(_rt_reading_notes);

Module['controlTable'] = () => {
  const fields = givenBy(_rt_control_table);
  const table = [];
  for (let n = 0; n < fields.length; n += 9) {
    const [objectName, kind, index, inFrame, left, top, width, height, visible] = fields.slice(n, n + 9);
    table.push({objectName, kind, index, inFrame: inFrame === 1, left, top, width, height, visible: visible === 1});
  }
  return table;
};

Module['windowDefinition'] = () => {
  const [clientWidth, clientHeight, twipsPerPixel, ...quantities] = givenBy(_rt_window_definition);
  const pairs = [];
  for (let n = 0; n < quantities.length; n += 2) pairs.push([quantities[n], quantities[n + 1]]);
  return {clientWidth, clientHeight, twipsPerPixel, pairs};
};
