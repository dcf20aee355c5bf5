// The program's options in the page's address and in its controls. Each word of the address
// is the long option of its name (?pictures is --pictures, ?curve=x is --curve=x), and demo=
// names the demo to run: ?demo=bpn&pictures runs `nnrules --pictures -- bpn`. The controls show
// the options of the address the page was opened with, and a change starts the program again
// at the address of the new ones.

// The program's arguments for the address's query: the demo's name after --, so that no name
// is taken for an option (?demo=--help names an unknown demo); each grade= names an answer
// file to grade, which goes before the demo (?demo=sdpta&grade=a.txt&grade=b.txt runs
// `nnrules --grade -- a.txt b.txt sdpta`).
export function programArguments(query) {
  const options = [];
  const named = [];
  const graded = [];
  for (const [name, value] of new URLSearchParams(query)) {
    if (name === 'demo')
      named.push(value);
    else if (name === 'grade')
      graded.push(value);
    else
      options.push(value === '' ? `--${name}` : `--${name}=${value}`);
  }
  if (graded.length > 0)
    options.push('--grade');
  return named.length + graded.length > 0 ? [...options, '--', ...graded, ...named] : options;
}

// The answer files chosen in the page, [[name, text]], kept for the tab's session: the page
// writes them where the program reads them before it starts.
const answerFilesKey = 'nnrules-answer-files';

export function answerFilesKept() {
  try {
    return JSON.parse(sessionStorage.getItem(answerFilesKey)) ?? [];
  } catch {
    return [];
  }
}

function keepAnswerFiles(files) {
  try {
    sessionStorage.setItem(answerFilesKey, JSON.stringify(files));
  } catch {
    // Storage turned off or full: the program then says that it cannot read them.
  }
}

// The query of the demo (or '' for the menu) and the options turned on, with whatever else
// the address held (?curve=...) kept after them.
function queryOf(demo, turnedOn, others) {
  const words = [];
  if (demo)
    words.push(`demo=${encodeURIComponent(demo)}`);
  words.push(...turnedOn);
  for (const [name, value] of others)
    words.push(value === '' ? encodeURIComponent(name) : `${encodeURIComponent(name)}=${encodeURIComponent(value)}`);
  return words.length > 0 ? `?${words.join('&')}` : '';
}

// Fills the options' row (in the element given) with the demo chooser, the toggles and the
// address that holds them, as the query has them. The demos and the toggles are the program's
// own, from its tables: demos [[name, title]] in the menu's order (a number in the address,
// ?demo=5, names the demo in its place), toggles [{ name, label, title, needsDemo }] in the
// order shown.
export function showOptions(row, query, { demos, toggles }) {
  const params = new URLSearchParams(query);
  const asked = params.get('demo') ?? '';
  const demo = demos[Number(asked) - 1]?.[0] ?? demos.find(([name]) => name === asked.toLowerCase())?.[0] ?? '';
  const others = [...params].filter(([name]) => name !== 'demo' && !toggles.some(toggle => toggle.name === name));

  const chooser = document.createElement('select');
  chooser.id = 'demo';
  chooser.append(new Option('the menu', ''), ...demos.map(([name, title]) => new Option(`${name}: ${title}`, name)));
  chooser.value = demo;
  const chooserLabel = document.createElement('label');
  chooserLabel.append('Run ', chooser);
  row.append(chooserLabel);

  const boxes = toggles.map(toggle => {
    const box = document.createElement('input');
    box.type = 'checkbox';
    box.id = `option-${toggle.name}`;
    box.checked = params.has(toggle.name);
    box.disabled = toggle.needsDemo && !demo;
    const label = document.createElement('label');
    label.title = toggle.title;
    label.append(box, ` ${toggle.label}`);
    row.append(label);
    return box;
  });

  // Answer files for the quiz: one is read as --answers reads it, several are graded at once
  // (--grade), for the demo chosen.
  const answerFiles = document.createElement('input');
  answerFiles.type = 'file';
  answerFiles.id = 'answer-files';
  answerFiles.multiple = true;
  answerFiles.accept = '.txt,text/plain';
  answerFiles.disabled = !demo;
  const answerFilesLabel = document.createElement('label');
  answerFilesLabel.title = 'One file: the quiz answered from it; several: a class graded at once, a row a file';
  answerFilesLabel.append('Answer files ', answerFiles);
  row.append(answerFilesLabel);

  const address = document.createElement('a');
  address.id = 'address';
  address.href = location.pathname + queryOf(demo || asked, toggles.filter(toggle => params.has(toggle.name))
    .map(toggle => toggle.name), others);
  address.textContent = address.href;
  address.title = 'The address of these options, to keep or to give';
  row.append(address);

  // A change starts the program again at the address of the options now chosen.
  const startAgain = () => {
    const chosen = chooser.value;
    const turnedOn = toggles.filter((toggle, i) => boxes[i].checked && !(toggle.needsDemo && !chosen));
    location.assign(location.pathname + queryOf(chosen, turnedOn.map(toggle => toggle.name), others));
  };
  chooser.addEventListener('change', startAgain);
  answerFiles.addEventListener('change', async () => {
    const files = [...answerFiles.files];
    if (files.length === 0)
      return;
    // A file's name as the program's folder takes it: no folder of its own.
    const kept = await Promise.all(files.map(async file => [file.name.replaceAll('/', '_'), await file.text()]));
    keepAnswerFiles(kept);
    const turnedOn = toggles.filter((toggle, i) => boxes[i].checked).map(toggle => toggle.name);
    const named = kept.length === 1 ? [['answers', kept[0][0]]] : kept.map(([name]) => ['grade', name]);
    location.assign(location.pathname + queryOf(chooser.value, turnedOn.includes('quiz') ? turnedOn : [...turnedOn, 'quiz'],
      [...others.filter(([name]) => name !== 'answers' && name !== 'grade'), ...named]));
  });
  for (const box of boxes)
    box.addEventListener('change', startAgain);
}
