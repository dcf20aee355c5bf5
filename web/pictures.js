// The panel of pictures beside the terminal: the program's SVG pictures of the run under way
// (its learning curve, its plane or its memory), each redrawn as the program hands it over at
// a pause of step mode and when the run ends. Pointing at a pattern shows its values; pointing
// anywhere in a plane shows what the neurons' weights give there. Each picture can be saved as
// its SVG file. The panel has its own toggle, kept for the next visit.

// The kind of a picture from its file's name: sdpta-1-plane-step-3.svg is a plane.
const kindOf = name => name.replace(/^[a-z]+-\d+-/, '').replace(/-step-\d+\.svg$|\.svg$/, '');

const numbers = text => text.trim().split(/\s+/).map(Number);
const dot = (w, x) => w.reduce((sum, weight, i) => sum + weight * x[i], 0);
const round = value => Number(value.toPrecision(6));

// The value = a pixel + b of an axis, from its labelled ticks (class tick-x or tick-y), in log10
// on a log axis.
function axisOf(svg, tick, attribute, logarithmic) {
  const marks = [...svg.querySelectorAll(`text.${tick}`)]
    .map(label => [Number(label.getAttribute(attribute)), Number(label.textContent)]);
  if (marks.length < 2)
    return null;
  const [[p0, v0], [p1, v1]] = [marks[0], marks[marks.length - 1]];
  const [w0, w1] = logarithmic ? [Math.log10(v0), Math.log10(v1)] : [v0, v1];
  const a = (w1 - w0) / (p1 - p0);
  const b = w0 - a * p0;
  return pixel => (logarithmic ? 10 ** (a * pixel + b) : a * pixel + b);
}

// What the neurons of the picture's rule give at the point (x, y), in words.
function readingAt(rule, x, y) {
  const kind = rule.getAttribute('data-rule');
  const rows = (rule.getAttribute('data-weights') ?? '').split(';').map(numbers);
  const lambda = Number(rule.getAttribute('data-lambda') ?? 1);
  const bias = Number(rule.getAttribute('data-bias') ?? 1);
  const output = net => (kind === 'sgn' ? (net >= 0 ? 1 : -1) : 2 / (1 + Math.exp(-lambda * net)) - 1);
  if ((kind === 'sgn' || kind === 'bipolar') && rows.length === 1) {
    const net = dot(rows[0], [x, y]);
    return `net ${round(net)}, output ${round(output(net))}`;
  }
  if (kind === 'sgn' || kind === 'bipolar')
    return rows.map((w, k) => {
      const net = dot(w, [x, y, bias]);
      return `neuron ${k + 1}: net ${round(net)}, output ${round(output(net))}`;
    }).join('; ');
  if (kind === 'network') {
    const unipolar = net => 1 / (1 + Math.exp(-net));
    const hidden = [unipolar(dot(rows[0], [x, y, bias])), unipolar(dot(rows[1], [x, y, bias])),
      Number(rule.getAttribute('data-threshold'))];
    const net = dot(rows[2], hidden);
    return `net ${round(net)}, output ${round(unipolar(net))}`;
  }
  if (kind === 'kohonen') {
    const distances = rows.map(w => Math.hypot(x - w[0], y - w[1]));
    const winner = distances[0] < distances[1] ? 1 : 2;
    return `distances ${distances.map(round).join(' and ')}: neuron ${winner} wins`;
  }
  return '';
}

// Fills the panel (an element) as the toggle (a checkbox) asks, remembering the choice: the
// page's side of the program's pictures.
export function picturesPanel(panel, toggle, { remembered, remember }) {
  const texts = new Map(); // each kind's SVG text, as the program wrote it

  const showPanel = () => {
    panel.hidden = !toggle.checked;
    window.dispatchEvent(new Event('resize'));
  };
  toggle.checked = remembered('pictures-beside', false) === true;
  toggle.addEventListener('change', () => {
    remember('pictures-beside', toggle.checked);
    showPanel();
  });
  showPanel();

  function figureOf(kind) {
    let figure = panel.querySelector(`figure[data-kind="${kind}"]`);
    if (figure)
      return figure;
    figure = document.createElement('figure');
    figure.dataset.kind = kind;
    const caption = document.createElement('figcaption');
    const name = document.createElement('span');
    name.className = 'picture-name';
    const save = document.createElement('button');
    save.type = 'button';
    save.textContent = 'Save';
    save.className = 'save-picture';
    save.addEventListener('click', () => {
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([texts.get(kind)], { type: 'image/svg+xml' }));
      link.download = name.textContent;
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href));
    });
    const reading = document.createElement('output');
    reading.className = 'reading';
    caption.append(name, ' ', save, ' ', reading);
    figure.append(document.createElement('div'), caption);
    // The kinds in the order of the text pictures: the curve, then where the run stands.
    if (kind === 'curve')
      panel.prepend(figure);
    else
      panel.append(figure);
    return figure;
  }

  function follow(figure, svg) {
    const reading = figure.querySelector('.reading');
    const rule = svg.querySelector('g.rule');
    const logarithmic = (svg.querySelector('desc')?.textContent ?? '').includes('log scale');
    const across = axisOf(svg, 'tick-x', 'x', false);
    const up = axisOf(svg, 'tick-y', 'y', logarithmic);
    svg.addEventListener('pointermove', event => {
      const mark = event.target.closest?.('.pattern');
      if (mark) {
        reading.value = mark.querySelector('title')?.textContent ?? '';
        return;
      }
      if (!across || !up)
        return;
      const point = new DOMPoint(event.clientX, event.clientY).matrixTransform(svg.getScreenCTM().inverse());
      const x = across(point.x);
      const y = up(point.y);
      reading.value = `At (${round(x)}, ${round(y)})` + (rule ? `: ${readingAt(rule, x, y)}` : '');
    });
    svg.addEventListener('pointerleave', () => {
      reading.value = '';
    });
  }

  return {
    shown: () => toggle.checked,
    show(name, text) {
      const kind = kindOf(name);
      texts.set(kind, text);
      const figure = figureOf(kind);
      figure.querySelector('.picture-name').textContent = name;
      const svg = document.importNode(new DOMParser().parseFromString(text, 'image/svg+xml').documentElement, true);
      svg.setAttribute('role', 'img');
      svg.setAttribute('aria-label', svg.querySelector('desc')?.textContent ?? name);
      svg.removeAttribute('width');
      svg.removeAttribute('height');
      figure.firstElementChild.replaceChildren(svg);
      follow(figure, svg);
    },
    // For the browser test: the text of the picture of a kind as the program wrote it.
    textOf: kind => texts.get(kind),
  };
}
