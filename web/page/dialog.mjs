// The page's questions, never the browser's alert or confirm: a modal <dialog> with the question,
// the lines it is about and one button per answer. The first answer has the focus; Escape
// answers null; the focus goes back where it was.
const $ = (id) => document.getElementById(id);

// answers: [{value, label}]; resolves with the value chosen, or null.
export function question({ text, lines = [], answers }) {
  const dialog = $('question');
  const before = document.activeElement;
  $('question-text').textContent = text;
  $('question-lines').replaceChildren(...lines.map((line) => Object.assign(document.createElement('li'), { textContent: line })));
  const buttons = answers.map(({ value, label }, i) => {
    const b = Object.assign(document.createElement('button'), { type: 'button', textContent: label });
    b.dataset.answer = String(value);
    if (i === 0) b.className = 'primary';
    return b;
  });
  $('question-answers').replaceChildren(...buttons);
  return new Promise((resolve) => {
    const done = (value) => {
      dialog.removeEventListener('cancel', cancel);
      $('question-answers').onclick = null;
      if (dialog.open) dialog.close();
      if (before && document.contains(before)) before.focus();
      resolve(value);
    };
    const cancel = (e) => {
      e.preventDefault();
      done(null);
    };
    dialog.addEventListener('cancel', cancel);
    $('question-answers').onclick = (e) => {
      const b = e.target.closest('button');
      if (b) done(answers[buttons.indexOf(b)].value);
    };
    dialog.showModal();
    buttons[0].focus();
    dialog.dataset.asked = String(Number(dialog.dataset.asked ?? 0) + 1);  // how many so far (for the tests)
  });
}
